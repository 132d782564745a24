#include "GsAnzeige.h"
#include "common/WordLauncher.h"
#include "core/ReviewText.h"
#include "platform/Colour.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include <algorithm>

namespace zt {

namespace {
constexpr Colour FrameColour = 0xFFFFC0;

const QString InstructionText =
    QStringLiteral("Nach der Auswahl und dem Anklicken der Taste 'Text laden' erscheinen hier die bisherigen, mit dem "
                   "Programm erarbeiteten Einträge.\r\n"
                   "Sie können hier nicht überarbeitet werden.\r\n"
                   "\r\n"
                   "Der Text lässt sich mit der Taste\r\n"
                   "\r\n"
                   "           'Text in Word übertragen'\r\n"
                   "\r\n"
                   "in ein Worddokument einfügen und kann dann ausgedruckt werden.");
} // namespace

GsAnzeige::GsAnzeige() : Form(WindowNames::Review)
{
    setCaption(QStringLiteral("GsAnzeige"));
    resize(12600, 7800);
    createControls();
}

void GsAnzeige::createControls()
{
    Label2.move(240, 120, 12120, 360);
    Label2.setFontBold(true);
    Label1.move(240, 600, 3600, 480);

    Frame1.move(240, 1080, 3600, 4600);
    Frame1.setBackColor(FrameColour);
    const QString captions[ReviewPartCount] = {
        QStringLiteral("Arbeitsverhalten"),           QStringLiteral("Sozialverhalten"),
        QStringLiteral("Interessen und Fertigkeiten"), QStringLiteral("Sprechen und Zuhören"),
        QStringLiteral("Lesen und mit Texten umgehen"), QStringLiteral("Schreiben, Texte verfassen"),
        QStringLiteral("Zahlen und Operationen"),     QStringLiteral("Größen und Messen"),
        QStringLiteral("Raum und Form"),              QStringLiteral("Bemerkungen"),
        QStringLiteral("Förderteilnahme und AG")};
    for (int i = 0; i < ReviewPartCount; ++i) {
        CheckBox& box = Check1.add(i, Frame1, captions[i]);
        box.move(120, 300 + i * 380, 3360, 360);
        box.setBackColor(FrameColour);
    }
    Check1.Click = [this](int i) { Check1_Click(i); };

    struct Button { QString caption; QString tip; };
    const Button buttons[3] = {
        {QStringLiteral("Text laden"), QStringLiteral("Den Text für ausgewählte Zeugnisteile laden")},
        {QStringLiteral("Text in Word übertragen"), QStringLiteral("Ausgewählten Text ausdrucken")},
        {QStringLiteral("Ende"), QStringLiteral("Zurück zum Startmenü")}};
    for (int i = 0; i < 3; ++i) {
        CommandButton& b = Command1.add(i, *this, buttons[i].caption);
        b.setToolTip(buttons[i].tip);
    }
    Command1(0).move(240, 5800, 3600, 480);
    Command1(1).move(240, 6400, 3600, 480);
    Command1(2).move(840, 7000, 3000, 480);
    for (int i = 0; i < 2; ++i) {
        Command1(i).setBackColor(Colours::White);
        Command1(i).setEnabled(false);
    }
    Command1(2).setBackColor(Colours::Red);
    Command1.Click = [this](int i) { Command1_Click(i); };

    Command8.setPicture(Pictures::Help());
    Command8.move(240, 7000, 480, 480);
    Command8.Click = [this] { Command8_Click(); };

    Text1.move(4080, 600, 8280, 6880);
    Text1.setReadOnly(true);
    Text1.setFontSize(11);
}

void GsAnzeige::Form_Load()
{
    Data = LoadReviewData();
    if (Data.Grade < 3) {
        Check1(SupportClubPart).setVisible(false);
    } else {
        Check1(SupportClubPart).setVisible(true);
        for (int i = SpeakingPart; i <= SpacePart; ++i)
            Check1(i).setVisible(false);
        Check1(SupportClubPart).setCaption(QStringLiteral("Förder und AG"));
        Check1(InterestsPart).setCaption(QStringLiteral("Besondere Interessen:"));
    }
    Label2.setCaption(QStringLiteral("Bisherige Eintragungen für die Klasse ") + Data.ClassName
                      + QStringLiteral(" im Schuljahr ") + Data.BaseData.SchoolYear + QStringLiteral("  ")
                      + Data.BaseData.HalfYear + QStringLiteral(". Halbjahr"));
    Text1.setText(InstructionText);
}

// The title-bar close is the window's own "Ende"; nothing here is ever unsaved.
void GsAnzeige::LeaveByOwnButton() { Command1_Click(2); }

void GsAnzeige::Check1_Click(int Index)
{
    Ticked[Index] = Check1(Index).value() ? 1 : 0;
    if (AnyTicked()) {
        Command1(0).setEnabled(true);
        Command1(0).setBackColor(Colours::LightGreen);
    }
}

bool GsAnzeige::AnyTicked() const
{
    return std::any_of(Ticked.begin(), Ticked.end(), [](int t) { return t == 1; });
}

void GsAnzeige::Command1_Click(int Index)
{
    switch (Index) {
    case 0:
        Text1.setFontSize(10);
        BuildDisplay();
        AddDisplayHeader();
        Command1(0).setEnabled(false);
        Command1(0).setBackColor(Frame1.backColor());
        if (AnyTicked()) {
            Command1(1).setEnabled(true);
            Command1(1).setBackColor(Colours::LightGreen);
        }
        break;
    case 1:
        CopyDisplayToClipboard();
        RunWordCommand(QStringLiteral("Winword.exe daten\\worddaten\\Anzeigetext.doc /mAnzeigetext"));
        break;
    case 2:
        WindowRegistry::instance().Unload(name());
        break;
    default:
        break;
    }
}

void GsAnzeige::Command8_Click() { RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe5.doc")); }

void GsAnzeige::BuildDisplay()
{
    ReviewTicks ticked{};
    Check1.forEach([&](int i, CheckBox& box) { ticked[i] = box.value(); });
    Body = DisplayBody(Data, ticked);
}

void GsAnzeige::AddDisplayHeader() { Text1.setText(DisplayText(Data.BaseData, Data.ClassName, Body)); }

void GsAnzeige::CopyDisplayToClipboard()
{
    Clipboard::Clear();
    Clipboard::SetText(Text1.text());
}

} // namespace zt
