#include "WindowTable.h"
#include "composition/GSAGFI.h"
#include "composition/GsArbeitsverhalten.h"
#include "composition/Kompetenzen.h"
#include "editors/GSAenderung12.h"
#include "editors/GSAenderung34.h"
#include "editors/GSAVSVAenderung.h"
#include "GsStart.h"
#include "insertion/Einfuegungen.h"
#include "masterdata/GsBasis.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "review/GsAnzeige.h"
#include "review/Listen.h"

namespace zt {

void registerWindows()
{
    WindowRegistry& r = WindowRegistry::instance();
    r.add(WindowNames::Start, [] { return std::make_unique<GsStart>(); });
    r.add(WindowNames::Behaviour, [] { return std::make_unique<GsArbeitsverhalten>(); });
    r.add(WindowNames::Competences, [] { return std::make_unique<Kompetenzen>(); });
    r.add(WindowNames::SupportClubs, [] { return std::make_unique<GSAGFI>(); });
    r.add(WindowNames::Review, [] { return std::make_unique<GsAnzeige>(); });
    r.add(WindowNames::BehaviourEditor, [] { return std::make_unique<GSAVSVAenderung>(); });
    r.add(WindowNames::Grade12Editor, [] { return std::make_unique<GSAenderung12>(); });
    r.add(WindowNames::Grade34Editor, [] { return std::make_unique<GSAenderung34>(); });
    r.add(WindowNames::MasterData, [] { return std::make_unique<GsBasis>(); });
    r.add(WindowNames::Insertion, [] { return std::make_unique<Einfuegungen>(); });
    r.add(WindowNames::Lists, [] { return std::make_unique<Listen>(); });
}

} // namespace zt
