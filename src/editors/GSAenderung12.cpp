#include "GSAenderung12.h"
#include "common/ClipboardInsertion.h"
#include "common/WordLauncher.h"
#include "platform/Colour.h"
#include "platform/Pictures.h"
#include "registry/WindowNames.h"
#include <QFont>
#include <QWidget>
#include <algorithm>

namespace zt {

namespace {
constexpr int Areas = 8;
constexpr int FirstAreaButton = 2;

// Each frame shows its boxes in two columns of groups, one row a box.
struct BoxGrid {
    int columnLeft[2];
    int firstTop;
    int boxWidth;
    int boxHeight;
    int rowStep;
    int groupGap;
};
constexpr BoxGrid Grid{
    .columnLeft = {120, 7500}, .firstTop = 300, .boxWidth = 7200, .boxHeight = 285, .rowStep = 300, .groupGap = 120};

const QString CrLf = QStringLiteral("\r\n");
const QString FullStopAndCommas =
    QStringLiteral("Der Punkt am Ende wird vom Programm gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.");
const QString RedTextIsPutBefore = QStringLiteral("Der rote Text ist zwar veränderbar, wird aber automatisch davorgesetzt.");
const QString UsePlaceholderList = QStringLiteral("Nutzen Sie für die Platzhalter die Textvorgaben !");
const QString LoadHint = QStringList{QStringLiteral("Der Vorname wird hier vom Programm automatisch davorgesetzt. Auch der "
                                                   "Punkt am Ende wird vom Programm gesetzt. Kommata bitte nur in der Mitte "
                                                   "des Textes einfügen."),
                                    RedTextIsPutBefore, UsePlaceholderList}
                             .join(CrLf);

// A group of boxes that stays together on screen (a lead-in with its column), and the rows left
// free below it for a describing label.
struct BoxGroup {
    int boxes;
    int labelRows = 0;
};

struct AreaDesign {
    QString button;
    QString frame;
    Colour colour;
    QStringList hint;
    std::vector<BoxGroup> groups;
};

const AreaDesign AreaDesigns[Areas] = {
    {QStringLiteral("Interessen"), QStringLiteral("Interessen, Fähigkeiten, Fertigkeiten"), 0x80FF80,
     {FullStopAndCommas, UsePlaceholderList}, {{8}, {8}}},
    {QStringLiteral("Deutsch Sprechen und Zuhören"), QStringLiteral("Sprechen und Zuhören"), 0xC0E0FF,
     {FullStopAndCommas, UsePlaceholderList}, {{4}, {4}, {4}}},
    {QStringLiteral("Deutsch Lesen Texte"), QStringLiteral("Lesen und mit Texten umgehen"), 0x80FFFF,
     {FullStopAndCommas, UsePlaceholderList}, {{7}, {7}, {7}, {4}, {4}, {4}}},
    {QStringLiteral("Deutsch Schreiben Texte"), QStringLiteral("Schreiben, Texte verfassen"), 0xFFFF80,
     {FullStopAndCommas, RedTextIsPutBefore, UsePlaceholderList}, {{4}, {4}, {4}, {5}, {7}, {7}, {1}}},
    {QStringLiteral("Mathe Zahlen Operationen"), QStringLiteral("Zahlen und Operationen"), 0xC0FFFF,
     {FullStopAndCommas, RedTextIsPutBefore, UsePlaceholderList}, {{6}, {3}, {5}, {7}, {5}, {1}, {6}}},
    {QStringLiteral("Mathe Größen Messen"), QStringLiteral("Größen und Messen"), 0xC0E0FF,
     {FullStopAndCommas, RedTextIsPutBefore, UsePlaceholderList}, {{4}, {4}, {4}, {4}, {5}}},
    {QStringLiteral("Mathe  Raum Form"), QStringLiteral("Raum und Form"), 0x80FFFF,
     {FullStopAndCommas, RedTextIsPutBefore, UsePlaceholderList}, {{4}, {4}, {4}, {5}, {5}, {5}}},
    {QStringLiteral("Bemerkungen"), QStringLiteral("Bemerkungen und Versetzung"), 0xFFC0FF,
     {FullStopAndCommas, RedTextIsPutBefore,
      QStringLiteral("In den blau hinterlegten Feldern ist eine Mehrfachauswahl möglich."), UsePlaceholderList},
     {{1, 2}, {1, 2}, {8}, {8}, {4}}},
};

const EditorDesign Grade12EditorDesign{
    .overwriteMiddle = QStringLiteral("Im Programm für das 1. und 2. Schuljahr stehen dann nur die neuen Formulierungen zur "
                                      "Verfügung."),
    .unsavedTail = QStringLiteral("Wollen Sie jetzt noch speichern ?"),
    .traits = RefusedStartClosesInsertion | StoresOnLostFocus,
    // Both grades and the lead-ins as shipped, whatever the class.
    .currentFiles = {QStringLiteral("Interessen12.Txt"), QStringLiteral("Sprechen1.Txt"), QStringLiteral("Sprechen2.Txt"),
                     QStringLiteral("Lesen1.Txt"), QStringLiteral("Lesen2.Txt"), QStringLiteral("Schreiben1.Txt"),
                     QStringLiteral("Schreiben2.Txt"), QStringLiteral("Mathe1.Txt"), QStringLiteral("Mathe2.Txt"),
                     QStringLiteral("Bemerkungen1.Txt"), QStringLiteral("Bemerkungen2.Txt"), QStringLiteral("Versetzung1.Txt"),
                     QStringLiteral("Versetzung2.Txt"), QStringLiteral("Zwischentexte.Txt")},
};

void useArial(TextBox& box)
{
    QFont font = box.widget()->font();
    font.setFamily(QStringLiteral("Arial"));
    box.widget()->setFont(font);
}
} // namespace

GSAenderung12::GSAenderung12() : TextBlockEditor(WindowNames::Grade12Editor, Grade12EditorDesign)
{
    setCaption(QStringLiteral("Änderung der Texte 1 und 2"));
    resize(15360, 11100);
    createControls();
}

Frame& GSAenderung12::AreaFrame(int area)
{
    Frame* frames[Areas] = {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5, &Frame6, &Frame7, &Frame8};
    return *frames[area - 1];
}

ControlArray<TextBox>& GSAenderung12::AreaBoxes(int area)
{
    ControlArray<TextBox>* boxes[Areas] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8};
    return *boxes[area - 1];
}

void GSAenderung12::createControls()
{
    Label1.setCaption(QStringLiteral("Eingabefenster zur Änderung der Textbausteine"));
    Label1.move(240, 150, 6900, 450);
    AddClassHeader(Text29);
    Text29.forEach([](int, TextBox& box) { useArial(box); });
    Command8.move(11100, 120, 600, 500);
    Command8.setPicture(Pictures::Help());
    Command8.Click = [this] { Command8_Click(); };
    Command6.move(13760, 120, 1360, 500);

    Command3.add(0, *this, QStringLiteral("Standardtextbausteine laden")).move(240, 840, 3000, 450);
    Command3.add(1, *this, QStringLiteral("AktuelleTextbausteine laden")).move(3320, 840, 3000, 450);
    Command3.Click = [this](int i) { Command3_Click(i); };
    Command5.setCaption(QStringLiteral("Alles als aktuelle Textbausteine speichern"));
    Command5.move(6400, 840, 4600, 450);
    Command2.add(0, *this, QStringLiteral("Textvorgaben für Platzhalter anzeigen")).move(240, 1380, 4200, 450);
    Command2.add(1, *this, QStringLiteral("Textvorgaben für Platzhalter verbergen")).move(4520, 1380, 4200, 450);
    Command2.Click = [this](int i) { Command2_Click(i); };

    for (int area = 1; area <= Areas; ++area) {
        const AreaDesign& design = AreaDesigns[area - 1];
        // Two rows of four, so that every caption shows whole.
        const int place = area - 1;
        Command1.add(FirstAreaButton + place, *this, design.button)
            .move(240 + (place % 4) * 3720, 1920 + (place / 4) * 480, 3660, 420);
        Frame& frame = AreaFrame(area);
        frame.setCaption(design.frame);
        frame.setBackColor(design.colour);
        frame.setForeColor(Colours::Red);
        // The frames lie on top of one another.
        frame.move(240, 2940, 14880, 6600);
        frame.setVisible(false);
        layOutArea(area);
    }
    Command1.Click = [this](int i) { Command1_Click(i); };

    const QString remarkLabels[2] = {
        QStringLiteral("  In der ersten Zeile stehen Bemerkungen zum Schwimm- und Sportabzeichen. -  Sie sind "
                       "programmgesteuert und nicht veränderbar."),
        QStringLiteral("  In der zweiten Zeile stehen Bemerkungen zur Teilnahme an Arbeitsgemeinschaften. - Sie sind "
                       "programmgesteuert und nicht veränderbar.")};
    for (int i = 0; i < 2; ++i) {
        const TextBox& described = Text8(i);
        Label2.add(i, Frame8, remarkLabels[i])
            .move(described.left(), described.top() + Grid.rowStep, Grid.boxWidth, 2 * Grid.rowStep);
    }

    for (const BoxRun& run : BoxRuns()) {
        if (run.table != &LeadInLines)
            continue;
        for (int i = 0; i < run.count; ++i)
            (*run.boxes)(run.firstBox + i).setForeColor(Colours::Red);
    }
    Text1(0).setForeColor(Colours::Red);
    Text1(0).setBackColor(0x80FFFF);
    for (int i = 2; i <= 9; ++i)
        Text8(i).setBackColor(0xFFFFC0);

    PlaceGuidance(Label4,
                  QStringLiteral("Wählen Sie bitte erst die gewünschten Textbausteine und danach den Kompetenzbereich !"),
                  Label3, 9660, 1300);
}

void GSAenderung12::layOutArea(int area)
{
    const std::vector<BoxGroup>& groups = AreaDesigns[area - 1].groups;
    const auto heightOf = [&groups](std::size_t from, std::size_t to) {
        int height = 0;
        for (std::size_t g = from; g < to; ++g)
            height += (groups[g].boxes + groups[g].labelRows) * Grid.rowStep + (g > from ? Grid.groupGap : 0);
        return height;
    };
    // The groups before the break fill the left column; the break keeps the taller column short.
    std::size_t split = 1;
    for (std::size_t s = 1; s < groups.size(); ++s) {
        if (std::max(heightOf(0, s), heightOf(s, groups.size())) < std::max(heightOf(0, split), heightOf(split, groups.size())))
            split = s;
    }
    ControlArray<TextBox>& boxes = AreaBoxes(area);
    Frame& frame = AreaFrame(area);
    int index = 0;
    int top = Grid.firstTop;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g == split)
            top = Grid.firstTop;
        const int left = Grid.columnLeft[g < split ? 0 : 1];
        for (int b = 0; b < groups[g].boxes; ++b, ++index, top += Grid.rowStep) {
            TextBox& box = boxes.add(index, frame);
            box.move(left, top, Grid.boxWidth, Grid.boxHeight);
            useArial(box);
        }
        top += groups[g].labelRows * Grid.rowStep + Grid.groupGap;
    }
    ConnectLineBoxes(boxes);
}

std::vector<TextBlockEditor::BoxRun> GSAenderung12::BoxRuns()
{
    // The lead-in before the third numbers column depends on the grade.
    const int numbersLeadIn = Grade == QStringLiteral("2") ? 6 : 22;
    return {
        {&Text1, 0, 16, &InterestLines, 1, 1},
        {&Text2, 0, 4, &SpeakingColumns, 1, 1},
        {&Text2, 4, 4, &SpeakingColumns, 2, 1},
        {&Text2, 8, 4, &SpeakingColumns, 3, 1},
        {&Text3, 0, 7, &ReadingColumns, 1, 1},
        {&Text3, 7, 7, &ReadingColumns, 2, 1},
        {&Text3, 14, 7, &ReadingColumns, 3, 1},
        {&Text3, 21, 4, &ReadingColumns, 4, 1},
        {&Text3, 25, 4, &ReadingColumns, 5, 1},
        {&Text3, 29, 4, &ReadingColumns, 6, 1},
        {&Text4, 0, 4, &WritingColumns, 1, 1},
        {&Text4, 4, 4, &WritingColumns, 2, 1},
        {&Text4, 8, 4, &WritingColumns, 3, 1},
        {&Text4, 13, 4, &WritingColumns, 4, 1},
        {&Text4, 18, 6, &WritingColumns, 5, 1},
        {&Text4, 25, 6, &WritingColumns, 6, 1},
        {&Text4, 12, 1, &LeadInLines, 1, 2},
        {&Text4, 17, 1, &LeadInLines, 1, 3},
        {&Text4, 24, 1, &LeadInLines, 1, 22},
        {&Text4, 31, 1, &LeadInLines, 1, 1},
        {&Text5, 1, 5, &MathColumns, 1, 1},
        {&Text5, 7, 2, &MathColumns, 7, 1},
        {&Text5, 9, 5, &MathColumns, 2, 1},
        {&Text5, 15, 6, &MathColumns, 3, 1},
        {&Text5, 22, 4, &MathColumns, 4, 1},
        {&Text5, 26, 1, &MathColumns, 5, 1},
        {&Text5, 28, 5, &MathColumns, 6, 1},
        {&Text5, 0, 1, &LeadInLines, 1, 4},
        {&Text5, 6, 1, &LeadInLines, 1, 5},
        {&Text5, 14, 1, &LeadInLines, 1, numbersLeadIn},
        {&Text5, 21, 1, &LeadInLines, 1, 7},
        {&Text5, 27, 1, &LeadInLines, 1, 8},
        {&Text6, 1, 3, &MathColumns, 8, 1},
        {&Text6, 5, 3, &MathColumns, 9, 1},
        {&Text6, 9, 3, &MathColumns, 10, 1},
        {&Text6, 13, 3, &MathColumns, 11, 1},
        {&Text6, 17, 4, &MathColumns, 12, 1},
        {&Text6, 0, 1, &LeadInLines, 1, 9},
        {&Text6, 4, 1, &LeadInLines, 1, 10},
        {&Text6, 8, 1, &LeadInLines, 1, 11},
        {&Text6, 12, 1, &LeadInLines, 1, 12},
        {&Text6, 16, 1, &LeadInLines, 1, 13},
        {&Text7, 1, 3, &MathColumns, 13, 1},
        {&Text7, 5, 3, &MathColumns, 14, 1},
        {&Text7, 9, 3, &MathColumns, 15, 1},
        {&Text7, 13, 4, &MathColumns, 16, 1},
        {&Text7, 18, 4, &MathColumns, 17, 1},
        {&Text7, 23, 4, &MathColumns, 18, 1},
        {&Text7, 0, 1, &LeadInLines, 1, 14},
        {&Text7, 4, 1, &LeadInLines, 1, 15},
        {&Text7, 8, 1, &LeadInLines, 1, 16},
        {&Text7, 12, 1, &LeadInLines, 1, 17},
        {&Text7, 17, 1, &LeadInLines, 1, 18},
        {&Text7, 22, 1, &LeadInLines, 1, 19},
        {&Text8, 0, 1, &RemarkColumns, 1, 1},
        {&Text8, 1, 1, &LeadInLines, 1, 20},
        {&Text8, 2, 8, &RemarkColumns, 2, 1},
        {&Text8, 10, 8, &RemarkColumns, 3, 1},
        {&Text8, 18, 4, &PromotionLines, 1, 1},
    };
}

std::vector<TextBlockEditor::TableFile> GSAenderung12::TableFiles()
{
    const auto perGrade = [this](const char* stem) { return QLatin1String(stem) + GradeSet() + QStringLiteral(".Txt"); };
    return {
        {QStringLiteral("Interessen12.Txt"), &InterestLines, 16},
        {perGrade("Sprechen"), &SpeakingColumns, 4},
        {perGrade("Lesen"), &ReadingColumns, 7},
        {perGrade("Schreiben"), &WritingColumns, 6},
        {perGrade("Mathe"), &MathColumns, 6},
        {perGrade("Bemerkungen"), &RemarkColumns, 8},
        {perGrade("Versetzung"), &PromotionLines, 4},
        {QStringLiteral("Zwischentexte.Txt"), &LeadInLines, 0},
    };
}

QString GSAenderung12::GradeSet() const
{
    return Grade.toInt() == 1 ? QStringLiteral("1") : QStringLiteral("2");
}

void GSAenderung12::Form_Load()
{
    FillColourTable();
    ShowClassHeader(Text29);
    Saved = 0;
    Loaded = 0;
    Command5.setVisible(false);
    Command1.forEach([](int, CommandButton& b) { b.setEnabled(false); });
    Command2(0).setEnabled(false);
    Command2(1).setEnabled(false);
    Command5.setEnabled(false);
    Command3.forEach([this](int, CommandButton& b) { b.setBackColor(TableColour(LightGreenSlot)); });
    Command6.setBackColor(0x8080FF);
}

void GSAenderung12::Command3_Click(int Index)
{
    Loaded = 1;
    Command1.forEach([this](int, CommandButton& b) {
        b.setBackColor(TableColour(WhiteSlot));
        b.setEnabled(true);
    });
    Command3.forEach([](int, CommandButton& b) { b.setEnabled(false); });
    Command2(0).setBackColor(TableColour(LightGreenSlot));
    Command2(0).setEnabled(true);
    Label4.setVisible(false);
    ShowArea(1, LoadHint);
    if (!ConfirmEditStart())
        return;
    Command5.setEnabled(true);
    Command5.setVisible(true);
    Command5.setBackColor(TableColour(LightGreenSlot));
    ChooseBlockFileNames(Index, TableFiles());
    LoadTextBlocks();
    ShowTextBlocks();
    RememberLoadedSet();
}

void GSAenderung12::ShowArea(int area, const QString& hint)
{
    for (int a = 1; a <= Areas; ++a)
        AreaFrame(a).setVisible(a == area);
    Command1(FirstAreaButton + area - 1).setBackColor(AreaDesigns[area - 1].colour);
    Label3.setCaption(hint);
}

void GSAenderung12::Command1_Click(int Index)
{
    Command1.forEach([this](int, CommandButton& b) { b.setBackColor(TableColour(WhiteSlot)); });
    const int area = Index - FirstAreaButton + 1;
    ShowArea(area, AreaDesigns[area - 1].hint.join(CrLf));
    if (Index == 6 && Grade.toInt() == 1) {
        for (int i = 27; i <= 32; ++i)
            Text5(i).setVisible(false);
    }
    ShowTextBlocks();
}

void GSAenderung12::Command2_Click(int Index) { ShowHideInsertionDialog(Index, Command2(0), Command2(1), HideMeans::Hide); }

void GSAenderung12::Command8_Click() { RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe6.doc")); }

} // namespace zt
