#include "GSAVSVAenderung.h"
#include "common/ClipboardInsertion.h"
#include "common/QuoteGuards.h"
#include "common/WordLauncher.h"
#include "core/CollapseDoubleSpace.h"
#include "platform/Colour.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include <QWidget>

namespace zt {

namespace {
constexpr int MarkSlots = 5;
constexpr int CategoryButtons = 7;
constexpr int Blue = 0xFF0000;

// Left edge of the line boxes; the red line stands LineMark twips right of it.
constexpr int BoxLeft = 600;
constexpr int BoxWidth = 10000;
constexpr int LineMark = 7780;
constexpr int FirstBoxTop = 3480;
constexpr int BoxStep = 420;
constexpr int BoxHeight = 380;
constexpr int ColourButtonLeft = 10740;

const EditorDesign BehaviourEditorDesign{
    .overwriteMiddle = QStringLiteral("Beim Arbeits- und Sozialverhalten stehen dann nur die neuen Formulierungen als "
                                      "Textbausteine zur Verfügung."),
    .unsavedTail = QStringLiteral("Wollen Sie noch speichern ?"),
    .traits = ClearsClipboardOnLeaving,
    .currentFiles = {AvCategoryFile, SvCategoryFile, AvLineFile, SvLineFile},
};

// The hints state the composition rules for the lines of each category.
const QString FirstNameFirst = QStringLiteral(
    "In allen Zeilen wird vom Programm automatisch der Vorname eingefügt. Auch der Punkt am Ende wird vom Programm "
    "gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.");
const QString FirstNameWhenAlone = QStringLiteral(
    "Wenn vorher kein Text steht, wird vom Programm der Vorname eingefügt. Auch der Punkt am Ende wird gesetzt. "
    "Kommata bitte nur in der Mitte des Textes einfügen.");
const QString JoiningWords = QStringLiteral(
    "Wenn die Kategorie davor nicht leer ist, werden bei deren Wahl 1 bis 4 die Zeilen 1 bis 5 mit 'und' verbunden, "
    "die Zeilen 6 bis 9 mit 'aber'. Bei Wahl 5 bis 9 in der ersten Kategorie werden die Zeilen 1 bis 5 mit 'aber' "
    "verbunden, die Zeilen 6 bis 9 mit 'und'.");
const QString PronounOrDative = QStringLiteral(
    "In allen Zeilen wird vom Programm automatisch 'Er' oder 'Sie' am Anfang eingefügt, bei den Zeilen 5 und 9 "
    "'Ihm' oder 'Ihr'. Auch der Punkt am Ende wird automatisch gesetzt. Kommata bitte nur in der Mitte des Textes "
    "einfügen.");
const QString Pronoun = QStringLiteral(
    "In allen Zeilen wird vom Programm automatisch 'Er' oder 'Sie' am Anfang eingefügt. Auch der Punkt am Ende wird "
    "automatisch gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.");
const QString FirstNameAfterEmpty =
    QStringLiteral("Wenn die Kategorien davor leer sind, wird am Anfang der Vorname automatisch eingesetzt.");
const QString FullStopAndCommas =
    QStringLiteral("Der Punkt am Ende wird automatisch gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.");
const QString FirstNameAgain = QStringLiteral(
    "Am Anfang wird vom Programm der Vorname eingefügt. Der Punkt am Ende wird automatisch gesetzt. Kommata bitte nur "
    "in der Mitte des Textes einfügen.");
const QString FullStop = QStringLiteral("Der Punkt am Ende wird vom Programm gesetzt.");
const QString ByDecree = QStringLiteral(
    "Die obigen Formulierungen sind durch Zeugniserlass vorgegeben. Änderungen sollten nur nach sorgfältiger Prüfung "
    "vorgenommen werden!");
const QString RedLineSentence = QStringLiteral(
    "Text kann bis zur roten Linie eingegeben werden. Längerer Text wird zwar übernommen und angezeigt, ist aber "
    "schlecht lesbar.");

QStringList categoryHints(int area, int category)
{
    switch (category) {
    case 1: return {FirstNameFirst};
    case 2: return {FirstNameWhenAlone, JoiningWords};
    case 3: return {area == 1 ? PronounOrDative : Pronoun, FirstNameAfterEmpty};
    case 4:
    case 5: return {FullStopAndCommas};
    case 6: return area == 1 ? QStringList{FirstNameAgain} : QStringList{FullStop, ByDecree};
    case 7: return area == 1 ? QStringList{FullStop, ByDecree} : QStringList{};
    default: return {};
    }
}
} // namespace

GSAVSVAenderung::GSAVSVAenderung() : TextBlockEditor(WindowNames::BehaviourEditor, BehaviourEditorDesign)
{
    setCaption(QStringLiteral("Textänderung AVSV"));
    resize(12180, 9440);
    createControls();
}

void GSAVSVAenderung::createControls()
{
    Label1.setCaption(QStringLiteral("Eingabefenster zur Änderung der Formulierungen"));
    Label1.move(240, 150, 8000, 450);

    const QString placeholderCaptions[2] = {QStringLiteral("Geschlechtsspezifische Platzhalter anzeigen"),
                                            QStringLiteral("Geschlechtsspezifische Platzhalter verbergen")};
    for (int i = 0; i < 2; ++i)
        Command8.add(i, *this, placeholderCaptions[i]).move(240 + i * 4920, 720, 4800, 420);
    Command8.add(2, *this).move(10000, 120, 660, 500);
    Command8(2).setPicture(Pictures::Help());
    Command8.Click = [this](int i) { Command8_Click(i); };
    Command6.move(10740, 120, 1200, 500);

    Command2.setCaption(QStringLiteral("Arbeitsverhalten"));
    Command2.move(240, 1300, 2500, 450);
    Command2.setBackColor(Colours::White);
    Command2.Click = [this] { Command2_Click(); };
    Command3.setCaption(QStringLiteral("Sozialverhalten"));
    Command3.move(2820, 1300, 2500, 450);
    Command3.setBackColor(Colours::White);
    Command3.Click = [this] { Command3_Click(); };
    Command1.add(0, *this, QStringLiteral("Standardformulierungen laden")).move(5520, 1300, 3160, 450);
    Command1.add(1, *this, QStringLiteral("Aktuelle Formulierungen laden")).move(8760, 1300, 3180, 450);
    Command1.Click = [this](int i) { Command1_Click(i); };
    Command5.setCaption(QStringLiteral("Alles als aktuelle Formulierungen speichern"));
    Command5.move(5520, 1300, 6420, 450);

    // Categories 1 to 6 fill three columns of two rows; the seventh stands twice as tall at the right.
    for (int i = 0; i < CategoryButtons - 1; ++i)
        Command4.add(i, *this).move(240 + (i / 2) * 2940, 1900 + (i % 2) * 480, 2880, 420);
    Command4.add(6, *this).move(240 + 3 * 2940, 1900, 2880, 900);
    Command4.forEach([](int, CommandButton& b) {
        b.setToolTip(QStringLiteral("Texte anwählen"));
        b.setBackColor(Colours::White);
    });
    Command4.Click = [this](int i) { Command4_Click(i); };

    Label2.setCaption(QStringLiteral("Kategorie:"));
    Label2.move(240, 3060, 1100, 300);
    Text1.move(1380, 3000, 5000, 380);
    Text1.KeyPress = [this](int& key) { Text1_KeyPress(key); };
    Text1.Change = [this] { Text1_Change(); };
    Label4.setCaption(QStringLiteral("Farbwahl"));
    Label4.move(ColourButtonLeft, 3060, 1200, 300);

    for (int i = 0; i < BlockLines; ++i) {
        const int top = FirstBoxTop + i * BoxStep;
        Label5.add(i, *this, QString::number(i)).move(300, top + 40, 240, 300);
        Text2.add(i, *this).move(BoxLeft, top, BoxWidth, BoxHeight);
        Command7.add(i, *this, QStringLiteral("Farbwahl")).move(ColourButtonLeft, top, 1200, BoxHeight);
    }
    Text2(0).setReadOnly(true);
    Text2(0).setToolTip(QStringLiteral("Hier sind keine Änderungen möglich!"));
    Text2.KeyPress = [this](int i, int& key) { Text2_KeyPress(i, key); };
    Text2.Change = [this](int i) { Text2_Change(i); };
    Text2.DblClick = [this](int i) { Text2_DblClick(i); };
    Command7.Click = [this](int i) { Command7_Click(i); };

    Line1.setBackColor(Colours::Red);
    Line1.move(BoxLeft + LineMark, FirstBoxTop - 60, 30, (BlockLines - 1) * BoxStep + BoxHeight + 120);
    // Drawn across the boxes, as the teacher is asked to end a line before it.
    Line1.widget()->raise();

    Label3.setCaption(QStringLiteral("Hinweise zur Änderung der Textbausteine"));
    Label3.setToolTip(QStringLiteral("Wichtige Hinweise zur Änderung der Textbausteine"));
    Label3.setBackColor(Colours::LightOrange);
    Label3.setForeColor(Blue);
    Label3.move(240, 7800, 11700, 1400);
}

void GSAVSVAenderung::Form_Load()
{
    FillColourTable();
    ColourCounter = 0;
    Command5.setVisible(false);
    Command7(0).setVisible(false);
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    Text1.setEnabled(false);
    Text2.forEach([](int, TextBox& box) { box.setEnabled(false); });
    Command8(0).setBackColor(TableColour(LightGreenSlot));
    Clipboard::Clear();
}

void GSAVSVAenderung::Command1_Click(int Index)
{
    if (!ConfirmEditStart())
        return;
    Command2.setEnabled(true);
    Command3.setEnabled(true);
    Text1.setEnabled(true);
    Text2.forEach([](int, TextBox& box) { box.setEnabled(true); });
    ChooseBlockFileNames(Index, {AvCategoryFile, AvLineFile, SvCategoryFile, SvLineFile});
    LoadAvBlocks();
    LoadSvBlocks();
    Command2_Click();
    Command4(0).setBackColor(TableColour(LightRedSlot));
    Command1(0).setVisible(false);
    Command1(1).setVisible(false);
    Command5.setVisible(true);
    Loaded = 1;
    RememberLoadedSet();
}

void GSAVSVAenderung::LoadAvBlocks()
{
    ReadBlockFile(0, [this](const QString& file) { return readCategoryFile(file, Av); });
    ReadBlockFile(1, [this](const QString& file) { return readLineFile(file, Av); });
}

void GSAVSVAenderung::LoadSvBlocks()
{
    ReadBlockFile(2, [this](const QString& file) { return readCategoryFile(file, Sv); });
    ReadBlockFile(3, [this](const QString& file) { return readLineFile(file, Sv); });
}

void GSAVSVAenderung::Command2_Click()
{
    Saved = 0;
    Command4(6).setVisible(true);
    Command2.setBackColor(TableColour(LightRedSlot));
    Command3.setBackColor(TableColour(WhiteSlot));
    StoreEditorInArrays();
    EditorArea = 1;
    AvCategory = 1;
    ShowCategoryHint();
    SetCategoryCaptions();
    ShowAvCategory();
    ShowAvLineColours();
    Command4(5).move(Command4(4).left(), Command4(3).top(), Command4(4).width(), Command4(4).height());
    Command4(5).setFontBold(Command4(3).fontBold());
}

void GSAVSVAenderung::Command3_Click()
{
    Saved = 0;
    Command2.setBackColor(TableColour(WhiteSlot));
    Command3.setBackColor(TableColour(LightRedSlot));
    Command4(6).setVisible(false);
    StoreEditorInArrays();
    EditorArea = 2;
    SvCategory = 1;
    ShowCategoryHint();
    SetCategoryCaptions();
    ShowSvCategory();
    ShowSvLineColours();
    const CommandButton& tall = Command4(6);
    Command4(5).move(tall.left(), tall.top(), tall.width(), tall.height());
    Command4(5).setFontBold(tall.fontBold());
}

void GSAVSVAenderung::SetCategoryCaptions()
{
    const BehaviourArea* area = EditorArea == 1 ? &Av : EditorArea == 2 ? &Sv : nullptr;
    if (!area)
        return;
    for (int i = 0; i < area->categories; ++i) {
        Command4(i).setCaption(area->names[i]);
        Command4(i).setBackColor(TableColour(WhiteSlot));
    }
    Command4(0).setBackColor(TableColour(LightRedSlot));
}

void GSAVSVAenderung::Command4_Click(int Index)
{
    Saved = 0;
    StoreEditorInArrays();
    AvCategory = Index + 1;
    SvCategory = Index + 1;
    SetCategoryCaptions();
    Command4.forEach([this](int, CommandButton& b) { b.setBackColor(TableColour(WhiteSlot)); });
    Command4(Index).setBackColor(TableColour(LightRedSlot));
    if (EditorArea == 1) {
        ShowAvCategory();
        ShowAvLineColours();
    } else if (EditorArea == 2) {
        ShowSvCategory();
        ShowSvLineColours();
    }
    ShowCategoryHint();
}

void GSAVSVAenderung::ShowAvCategory() { ShowCategory(Av, AvCategory); }
void GSAVSVAenderung::ShowSvCategory() { ShowCategory(Sv, SvCategory); }
void GSAVSVAenderung::ShowAvLineColours() { ShowLineColours(Av, AvCategory); }
void GSAVSVAenderung::ShowSvLineColours() { ShowLineColours(Sv, SvCategory); }

void GSAVSVAenderung::ShowCategory(const BehaviourArea& area, int category)
{
    // The seventh button names no social behaviour category.
    if (category > area.categories)
        return;
    Text1.setText(area.names.at(category - 1));
    for (int i = 0; i < BlockLines; ++i)
        Text2(i).setText(area.line(category, i));
}

void GSAVSVAenderung::ShowLineColours(const BehaviourArea& area, int category)
{
    if (category > area.categories)
        return;
    Text2(0).setBackColor(TableColour(WhiteSlot));
    for (int k = 1; k <= MarkedLines; ++k) {
        const int mark = area.mark(category, k);
        // A mark without a colour of its own shows grey, which no colour click mistakes for a mark.
        const bool inTable = mark >= 0 && mark < 8;
        Text2(k).setBackColor(inTable ? TableColour(mark) : Colours::Grey);
    }
}

BehaviourArea* GSAVSVAenderung::ShownBlocks(int& category)
{
    if (EditorArea == 1 && AvCategory >= 1 && AvCategory <= AvCategories) {
        category = AvCategory;
        return &Av;
    }
    if (EditorArea == 2 && SvCategory >= 1 && SvCategory <= SvCategories) {
        category = SvCategory;
        return &Sv;
    }
    return nullptr;
}

void GSAVSVAenderung::StoreEditorInArrays()
{
    int category = 0;
    BehaviourArea* area = ShownBlocks(category);
    if (!area)
        return;
    area->names[category - 1] = Text1.text();
    for (int i = 0; i < BlockLines; ++i)
        area->lines[category - 1][i] = CleanBlockLine(Text2(i).text());
}

void GSAVSVAenderung::Command7_Click(int Index)
{
    Saved = 0;
    Text2(Index).setBackColor(TableColour(ColourCounter));
    ColourCounter = (ColourCounter + 1) % MarkSlots;
    StoreLineColours();
}

void GSAVSVAenderung::StoreLineColours()
{
    int category = 0;
    BehaviourArea* area = ShownBlocks(category);
    if (!area)
        return;
    for (int k = 1; k <= MarkedLines; ++k) {
        for (int mark = 0; mark < MarkSlots; ++mark) {
            if (Text2(k).backColor() == TableColour(mark))
                area->marks[category - 1][k - 1] = static_cast<qint16>(mark);
        }
    }
}

void GSAVSVAenderung::ShowCategoryHint()
{
    if (EditorArea == 0)
        return;
    const int category = EditorArea == 1 ? AvCategory : SvCategory;
    const QString crLf = QStringLiteral("\r\n");
    Label3.setCaption(categoryHints(EditorArea, category).join(crLf) + crLf + RedLineSentence);
}

std::vector<BlockFileText> GSAVSVAenderung::SetFiles()
{
    return {{AvCategoryFile, categoryFileText(Av)},
            {SvCategoryFile, categoryFileText(Sv)},
            {AvLineFile, lineFileText(Av)},
            {SvLineFile, lineFileText(Sv)}};
}

void GSAVSVAenderung::Command8_Click(int Index)
{
    if (Index == 2)
        RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe8.doc"));
    else
        ShowHideInsertionDialog(Index, Command8(0), Command8(1), HideMeans::Unload);
}

void GSAVSVAenderung::Text1_KeyPress(int& KeyAscii) { RefuseQuoteKey(KeyAscii); }
void GSAVSVAenderung::Text1_Change() { ReplaceQuotesOnChange(Text1); }
void GSAVSVAenderung::Text2_KeyPress(int, int& KeyAscii) { RefuseQuoteKey(KeyAscii); }

void GSAVSVAenderung::Text2_Change(int Index)
{
    ReplaceQuotesOnChange(Text2(Index));
    Saved = 0;
}

// Line 0 promises that it cannot be changed: it is read-only.
void GSAVSVAenderung::Text2_DblClick(int Index) { Text_DblClick(Text2(Index)); }

} // namespace zt
