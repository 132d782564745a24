#include "WindowTable.h"
#include "composition/GsArbeitsverhalten.h"
#include "composition/Kompetenzen.h"
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
    r.add(WindowNames::Competences, [] { return std::make_unique<Kompetenzen>(); });
    addPending(WindowNames::SupportClubs, QStringLiteral("Förder Interessen"));
    addPending(WindowNames::Review, QStringLiteral("GsAnzeige"));
    r.add(WindowNames::BehaviourEditor, [] { return std::make_unique<GSAVSVAenderung>(); });
    addPending(WindowNames::Grade12Editor, QStringLiteral("Änderung der Texte 1 und 2"));
    addPending(WindowNames::Grade34Editor, QStringLiteral("34Änderung"));
    addPending(WindowNames::MasterData, QStringLiteral("GsBasis"));
    r.add(WindowNames::Insertion, [] { return std::make_unique<Einfuegungen>(); });
    addPending(WindowNames::Lists, QStringLiteral("Listenerstellung- Dieses Fenster ist hier verschiebbar!!"));
}

} // namespace zt
