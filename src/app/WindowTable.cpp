#include "WindowTable.h"
#include "composition/GsArbeitsverhalten.h"
#include "composition/Kompetenzen.h"
#include "editors/GSAenderung12.h"
#include "editors/GSAenderung34.h"
#include "editors/GSAVSVAenderung.h"
#include "GsStart.h"
#include "insertion/Einfuegungen.h"
#include "masterdata/GsBasis.h"
#include "PendingWindow.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "review/GsAnzeige.h"
#include "review/Listen.h"

namespace zt {

namespace {
void addPending(const QString& name, const QString& caption)
{
    WindowRegistry::instance().add(name, [name, caption] { return std::make_unique<PendingWindow>(name, caption); });
}
} // namespace

void registerWindows()
{
    WindowRegistry& r = WindowRegistry::instance();
    r.add(WindowNames::Start, [] { return std::make_unique<GsStart>(); });
    r.add(WindowNames::Behaviour, [] { return std::make_unique<GsArbeitsverhalten>(); });
    r.add(WindowNames::Competences, [] { return std::make_unique<Kompetenzen>(); });
    addPending(WindowNames::SupportClubs, QStringLiteral("Förder Interessen"));
    r.add(WindowNames::Review, [] { return std::make_unique<GsAnzeige>(); });
    r.add(WindowNames::BehaviourEditor, [] { return std::make_unique<GSAVSVAenderung>(); });
    r.add(WindowNames::Grade12Editor, [] { return std::make_unique<GSAenderung12>(); });
    r.add(WindowNames::Grade34Editor, [] { return std::make_unique<GSAenderung34>(); });
    r.add(WindowNames::MasterData, [] { return std::make_unique<GsBasis>(); });
    r.add(WindowNames::Insertion, [] { return std::make_unique<Einfuegungen>(); });
    r.add(WindowNames::Lists, [] { return std::make_unique<Listen>(); });
}

} // namespace zt
