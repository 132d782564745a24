#include "Listen.h"
#include "common/WordLauncher.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

namespace zt {

namespace {
struct ListButton {
    QString caption;
    int left;
    int top;
    Colour colour;
    QString commandLine; // empty: "Beenden"
};

const ListButton Buttons[] = {
    {QStringLiteral("Zeugnisanlagen"), 240, 1200, 0x80FF80, QStringLiteral("Winword.exe ZeugnisseAnlagen.doc /mZeugnisseAnlagen")},
    {QStringLiteral("Klassenliste"), 240, 1920, 0x80FF80, QStringLiteral("Winword.exe KlListe.doc /mKlassenliste")},
    {QStringLiteral("Strichliste"), 240, 2640, 0x80FF80, QStringLiteral("Winword.exe StListe.doc /mStrichliste")},
    {QStringLiteral("Bildbenennungs-Liste"), 240, 3360, 0x80FF80, QStringLiteral("Winword.exe BldListe.doc /mBilderliste")},
    {QStringLiteral("Leere Zeugnisse"), 3000, 1200, 0x80FF80, QStringLiteral("Winword.exe Leerformular.doc /mLeerformular")},
    {QStringLiteral("Beenden"), 3000, 3360, 0x8080FF, QString()},
};
constexpr int Leave = 5;
} // namespace

Listen::Listen() : Form(WindowNames::Lists)
{
    setCaption(QStringLiteral("Listenerstellung- Dieses Fenster ist hier verschiebbar!!"));
    resize(5760, 4200);
    Label1.setCaption(QStringLiteral("Sie können hier mit dem Programm Winword automatisch verschiedene Listen erstellen, "
                                     "die eingegebene Daten des Programmes nutzen. Sie können sie bei Bedarf in Winword "
                                     "ausdrucken."));
    Label1.move(240, 120, 5280, 960);
    for (int i = 0; i <= Leave; ++i) {
        CommandButton& b = Command1.add(i, *this, Buttons[i].caption);
        b.move(Buttons[i].left, Buttons[i].top, 2520, 600);
        b.setBackColor(Buttons[i].colour);
    }
    Command1.Click = [this](int i) { Command1_Click(i); };
}

void Listen::LeaveByOwnButton() { Command1_Click(Leave); }

void Listen::Command1_Click(int Index)
{
    if (Index == Leave)
        WindowRegistry::instance().Unload(name());
    else if (Index >= 0 && Index < Leave)
        RunWordCommand(Buttons[Index].commandLine);
}

} // namespace zt
