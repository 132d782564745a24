#include "WindowTable.h"
#include "composition/GsArbeitsverhalten.h"
#include "editors/GSAenderung12.h"
#include "editors/GSAVSVAenderung.h"
#include "GsStart.h"
#include "insertion/Einfuegungen.h"
#include "PendingWindow.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

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
    addPending(WindowNames::Competences, QStringLiteral("Interessen - Kompetenzen -  Bemerkungen "));
    addPending(WindowNames::SupportClubs, QStringLiteral("Förder Interessen"));
    addPending(WindowNames::Review, QStringLiteral("GsAnzeige"));
    r.add(WindowNames::BehaviourEditor, [] { return std::make_unique<GSAVSVAenderung>(); });
    r.add(WindowNames::Grade12Editor, [] { return std::make_unique<GSAenderung12>(); });
    addPending(WindowNames::Grade34Editor, QStringLiteral("34Änderung"));
    addPending(WindowNames::MasterData, QStringLiteral("GsBasis"));
    r.add(WindowNames::Insertion, [] { return std::make_unique<Einfuegungen>(); });
    addPending(WindowNames::Lists, QStringLiteral("Listenerstellung- Dieses Fenster ist hier verschiebbar!!"));
}

} // namespace zt
