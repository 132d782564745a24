#include "GSAenderung12.h"
#include "common/ClipboardInsertion.h"
#include "common/QuoteGuards.h"
#include "common/WordLauncher.h"
#include "core/MasterData.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include <QApplication>
#include <QFont>
#include <QStyle>
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
    Label1.setFontBold(true);
    Label1.setFontSize(12);
    Text29.add(0, *this, true).move(7300, 120, 2200, 600);
    Text29.add(1, *this).move(9600, 120, 1300, 350);
    Text29.forEach([](int, TextBox& box) { box.setReadOnly(true); });
    Command8.move(11100, 120, 600, 500);
    Command8.setPicture(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion));
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
        if (run.table != &GSAenderung12::LeadInLines)
            continue;
        for (int i = 0; i < run.count; ++i)
            (this->*run.boxes)(run.firstBox + i).setForeColor(Colours::Red);
    }
    Text1(0).setForeColor(Colours::Red);
    Text1(0).setBackColor(0x80FFFF);
    for (int i = 2; i <= 9; ++i)
        Text8(i).setBackColor(0xFFFFC0);

    Label4.setCaption(QStringLiteral("Wählen Sie bitte erst die gewünschten Textbausteine und danach den Kompetenzbereich !"));
    Label4.move(1500, 5400, 12360, 450);
    Label4.setFontBold(true);
    Label4.setFontSize(11);
    Label3.setCaption(QStringLiteral("Hinweise zur Änderung"));
    Label3.setBackColor(Colours::LightOrange);
    Label3.move(240, 9660, 14880, 1300);
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
    boxes.KeyPress = [this](int, int& key) { Text_KeyPress(key); };
    boxes.Change = [this, &boxes](int i) { Text_Change(boxes(i)); };
    boxes.LostFocus = [this](int) { Text_LostFocus(); };
    boxes.DblClick = [this, &boxes](int i) { Text_DblClick(boxes(i)); };
}

std::vector<GSAenderung12::BoxRun> GSAenderung12::BoxRuns() const
{
    using E = GSAenderung12;
    // The lead-in before the third numbers column depends on the grade.
    const int numbersLeadIn = Grade == QStringLiteral("2") ? 6 : 22;
    return {
        {&E::Text1, 0, 16, &E::InterestLines, 1, 1},
        {&E::Text2, 0, 4, &E::SpeakingColumns, 1, 1},
        {&E::Text2, 4, 4, &E::SpeakingColumns, 2, 1},
        {&E::Text2, 8, 4, &E::SpeakingColumns, 3, 1},
        {&E::Text3, 0, 7, &E::ReadingColumns, 1, 1},
        {&E::Text3, 7, 7, &E::ReadingColumns, 2, 1},
        {&E::Text3, 14, 7, &E::ReadingColumns, 3, 1},
        {&E::Text3, 21, 4, &E::ReadingColumns, 4, 1},
        {&E::Text3, 25, 4, &E::ReadingColumns, 5, 1},
        {&E::Text3, 29, 4, &E::ReadingColumns, 6, 1},
        {&E::Text4, 0, 4, &E::WritingColumns, 1, 1},
        {&E::Text4, 4, 4, &E::WritingColumns, 2, 1},
        {&E::Text4, 8, 4, &E::WritingColumns, 3, 1},
        {&E::Text4, 13, 4, &E::WritingColumns, 4, 1},
        {&E::Text4, 18, 6, &E::WritingColumns, 5, 1},
        {&E::Text4, 25, 6, &E::WritingColumns, 6, 1},
        {&E::Text4, 12, 1, &E::LeadInLines, 1, 2},
        {&E::Text4, 17, 1, &E::LeadInLines, 1, 3},
        {&E::Text4, 24, 1, &E::LeadInLines, 1, 22},
        {&E::Text4, 31, 1, &E::LeadInLines, 1, 1},
        {&E::Text5, 1, 5, &E::MathColumns, 1, 1},
        {&E::Text5, 7, 2, &E::MathColumns, 7, 1},
        {&E::Text5, 9, 5, &E::MathColumns, 2, 1},
        {&E::Text5, 15, 6, &E::MathColumns, 3, 1},
        {&E::Text5, 22, 4, &E::MathColumns, 4, 1},
        {&E::Text5, 26, 1, &E::MathColumns, 5, 1},
        {&E::Text5, 28, 5, &E::MathColumns, 6, 1},
        {&E::Text5, 0, 1, &E::LeadInLines, 1, 4},
        {&E::Text5, 6, 1, &E::LeadInLines, 1, 5},
        {&E::Text5, 14, 1, &E::LeadInLines, 1, numbersLeadIn},
        {&E::Text5, 21, 1, &E::LeadInLines, 1, 7},
        {&E::Text5, 27, 1, &E::LeadInLines, 1, 8},
        {&E::Text6, 1, 3, &E::MathColumns, 8, 1},
        {&E::Text6, 5, 3, &E::MathColumns, 9, 1},
        {&E::Text6, 9, 3, &E::MathColumns, 10, 1},
        {&E::Text6, 13, 3, &E::MathColumns, 11, 1},
        {&E::Text6, 17, 4, &E::MathColumns, 12, 1},
        {&E::Text6, 0, 1, &E::LeadInLines, 1, 9},
        {&E::Text6, 4, 1, &E::LeadInLines, 1, 10},
        {&E::Text6, 8, 1, &E::LeadInLines, 1, 11},
        {&E::Text6, 12, 1, &E::LeadInLines, 1, 12},
        {&E::Text6, 16, 1, &E::LeadInLines, 1, 13},
        {&E::Text7, 1, 3, &E::MathColumns, 13, 1},
        {&E::Text7, 5, 3, &E::MathColumns, 14, 1},
        {&E::Text7, 9, 3, &E::MathColumns, 15, 1},
        {&E::Text7, 13, 4, &E::MathColumns, 16, 1},
        {&E::Text7, 18, 4, &E::MathColumns, 17, 1},
        {&E::Text7, 23, 4, &E::MathColumns, 18, 1},
        {&E::Text7, 0, 1, &E::LeadInLines, 1, 14},
        {&E::Text7, 4, 1, &E::LeadInLines, 1, 15},
        {&E::Text7, 8, 1, &E::LeadInLines, 1, 16},
        {&E::Text7, 12, 1, &E::LeadInLines, 1, 17},
        {&E::Text7, 17, 1, &E::LeadInLines, 1, 18},
        {&E::Text7, 22, 1, &E::LeadInLines, 1, 19},
        {&E::Text8, 0, 1, &E::RemarkColumns, 1, 1},
        {&E::Text8, 1, 1, &E::LeadInLines, 1, 20},
        {&E::Text8, 2, 8, &E::RemarkColumns, 2, 1},
        {&E::Text8, 10, 8, &E::RemarkColumns, 3, 1},
        {&E::Text8, 18, 4, &E::PromotionLines, 1, 1},
    };
}

const std::vector<GSAenderung12::SetFile>& GSAenderung12::BlockFiles()
{
    using E = GSAenderung12;
    static const std::vector<SetFile> files = {
        {QStringLiteral("Interessen12"), false, &E::InterestLines, 16},
        {QStringLiteral("Sprechen"), true, &E::SpeakingColumns, 4},
        {QStringLiteral("Lesen"), true, &E::ReadingColumns, 7},
        {QStringLiteral("Schreiben"), true, &E::WritingColumns, 6},
        {QStringLiteral("Mathe"), true, &E::MathColumns, 6},
        {QStringLiteral("Bemerkungen"), true, &E::RemarkColumns, 8},
        {QStringLiteral("Versetzung"), true, &E::PromotionLines, 4},
        {QStringLiteral("Zwischentexte"), false, &E::LeadInLines, 0},
    };
    return files;
}

QString GSAenderung12::GradeSet() const
{
    return Grade.toInt() == 1 ? QStringLiteral("1") : QStringLiteral("2");
}

QString GSAenderung12::FileName(const SetFile& file) const
{
    return file.stem + (file.perGrade ? GradeSet() : QString()) + QStringLiteral(".Txt");
}

void GSAenderung12::Form_Load()
{
    FillColourTable();
    const QString className = loadClassName().value_or(QString());
    const BaseDataRecord baseData = loadBaseData(9).value_or(BaseDataRecord());
    Grade = className.left(1);
    Text29(0).setText(QStringLiteral("Klasse ") + className + CrLf + baseData.SchoolYear);
    Text29(1).setText(baseData.HalfYear + QStringLiteral(". Halbj."));
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
    QStringList currentNames;
    for (const SetFile& file : BlockFiles())
        currentNames << FileName(file);
    ChooseBlockFileNames(Index, currentNames);
    LoadTextBlocks();
    ShowTextBlocks();
    RememberLoadedSet();
}

void GSAenderung12::LoadTextBlocks()
{
    const std::vector<SetFile>& files = BlockFiles();
    for (int i = 0; i < static_cast<int>(files.size()); ++i) {
        BlockTable& table = this->*files[i].table;
        ReadBlockFile(i, [&table](const QString& file) { return readBlockTable(file, table); });
    }
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

void GSAenderung12::ShowTextBlocks()
{
    for (const BoxRun& run : BoxRuns()) {
        const BlockTable& table = this->*run.table;
        for (int i = 0; i < run.count; ++i)
            (this->*run.boxes)(run.firstBox + i).setText(table.cell(run.firstLine - 1 + i, run.column));
    }
}

void GSAenderung12::StoreEditorInArrays()
{
    for (const BoxRun& run : BoxRuns()) {
        BlockTable& table = this->*run.table;
        for (int i = 0; i < run.count; ++i)
            table.set(run.firstLine - 1 + i, run.column, (this->*run.boxes)(run.firstBox + i).text());
    }
    Saved = 0;
}

std::vector<BlockFileText> GSAenderung12::SetFiles() const
{
    std::vector<BlockFileText> texts;
    for (const SetFile& file : BlockFiles()) {
        if (file.records > 0)
            texts.push_back({FileName(file), blockTableText(this->*file.table, file.records)});
    }
    return texts;
}

void GSAenderung12::Command2_Click(int Index) { ShowHideInsertionDialog(Index, Command2(0), Command2(1), HideMeans::Hide); }

void GSAenderung12::Command8_Click() { RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe6.doc")); }

void GSAenderung12::Text_KeyPress(int& KeyAscii) { RefuseQuoteKey(KeyAscii); }

void GSAenderung12::Text_Change(TextBox& box) { ReplaceQuotesOnChange(box); }

void GSAenderung12::Text_LostFocus() { StoreEditorInArrays(); }

void GSAenderung12::Text_DblClick(TextBox& box) { InsertClipboardAtCaret(box, GenderEnding::Glued); }

} // namespace zt
