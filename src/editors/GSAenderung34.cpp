#include "GSAenderung34.h"
#include "common/ClipboardInsertion.h"
#include "common/WordLauncher.h"
#include "platform/Colour.h"
#include "platform/Pictures.h"
#include "registry/WindowNames.h"
#include <set>

namespace zt {

namespace {
constexpr int Areas = 3;

// The frames lie on top of one another and show their boxes in two columns, one row a box; a
// box leaves a little room to the next row.
constexpr int FrameTop = 2520;
constexpr int ColumnLeft[2] = {120, 7500};
constexpr int BoxWidth = 7200;
constexpr int RowStep = 360;

constexpr Colour LightBlue = 0xFFFFC0;
constexpr Colour LightYellow = 0x80FFFF;

const QString CrLf = QStringLiteral("\r\n");
const QString FullStopAndCommas =
    QStringLiteral("Der Punkt am Ende wird vom Programm gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.");
const QString UsePlaceholderList = QStringLiteral("Nutzen Sie für die Platzhalter die Textvorgaben !");
const QString FourHints = QStringList{FullStopAndCommas,
                                      QStringLiteral("Der rote Text ist zwar veränderbar, wird aber automatisch gesetzt."),
                                      QStringLiteral("In den blau hinterlegten Feldern ist Mehrfachauswahl möglich."),
                                      UsePlaceholderList}
                              .join(CrLf);

struct AreaDesign {
    QString caption;
    Colour colour;
    QString hint;
};
const AreaDesign AreaDesigns[Areas] = {
    {QStringLiteral("Förderteilnahme und AG"), 0xC0FFC0, FourHints},
    {QStringLiteral("Interessen"), 0xC0E0FF, FullStopAndCommas + CrLf + UsePlaceholderList},
    {QStringLiteral("Bemerkungen"), 0xFFC0FF, FourHints},
};

const EditorDesign Grade34EditorDesign{
    .overwriteMiddle = QStringLiteral("Im Programm für das 3. und 4. Schuljahr stehen dann nur die neuen Formulierungen zur "
                                      "Verfügung."),
    .unsavedTail = QStringLiteral("Wollen Sie die Änderungen noch speichern?"),
    .traits = RefusedStartClosesInsertion | StoresOnLostFocus,
    // Both promotion files, whatever the class.
    .currentFiles = {QStringLiteral("Förder34.Txt"), QStringLiteral("Zensurabweichung.Txt"),
                     QStringLiteral("Interessen34.Txt"), QStringLiteral("Versetzung3.Txt"),
                     QStringLiteral("Versetzung4.Txt"), QStringLiteral("Bemerkungen34.Txt"), QStringLiteral("AG.Txt")},
};
} // namespace

GSAenderung34::GSAenderung34() : TextBlockEditor(WindowNames::Grade34Editor, Grade34EditorDesign)
{
    setCaption(QStringLiteral("34Änderung"));
    resize(15360, 10680);
    createControls();
}

std::array<Frame*, Areas> GSAenderung34::AreaFrames() { return {&Frame1, &Frame2, &Frame3}; }

void GSAenderung34::createControls()
{
    Label1.setCaption(QStringLiteral("Eingabefenster zur Änderung der Textbausteine"));
    Label1.move(240, 150, 6900, 450);
    AddClassHeader(Text5);
    Text5.forEach([](int, TextBox& box) {
        box.setForeColor(Colours::Red);
        box.setBackColor(LightBlue);
    });
    Command8.move(11100, 120, 600, 500);
    Command8.setPicture(Pictures::Help());
    Command8.Click = [this] { Command8_Click(); };
    Command6.setToolTip(QStringLiteral("Zurück zum Startmenü"));
    Command6.move(13760, 120, 1360, 500);

    Command1.add(0, *this, QStringLiteral("Standardtextbausteine laden")).move(240, 840, 3000, 450);
    Command1(0).setToolTip(QStringLiteral("Die Standardformulierungen des Programmes laden"));
    Command1.add(1, *this, QStringLiteral("Aktuelle Textbausteine laden")).move(3320, 840, 3000, 450);
    Command1(1).setToolTip(QStringLiteral("Die augenblicklich aktuellen Formulierungen laden"));
    Command1.Click = [this](int i) { Command1_Click(i); };
    Command5.setCaption(QStringLiteral("Alles als aktuelle Formulierungen speichern"));
    Command5.setToolTip(QStringLiteral("Die augenblicklichen Formulierungen als aktuelle Formulierungen speichern"));
    Command5.move(6400, 840, 4600, 450);
    Command7.add(0, *this, QStringLiteral("Textvorgaben für Platzhalter anzeigen")).move(240, 1380, 4200, 450);
    Command7.add(1, *this, QStringLiteral("Textvorgaben für Platzhalter verbergen")).move(4520, 1380, 4200, 450);
    Command7.Click = [this](int i) { Command7_Click(i); };

    for (int area = 0; area < Areas; ++area) {
        const AreaDesign& design = AreaDesigns[area];
        Command2.add(area, *this, design.caption).move(240 + area * 3720, 1920, 3660, 420);
        Frame& frame = *AreaFrames()[area];
        frame.setCaption(design.caption);
        frame.setBackColor(design.colour);
        frame.move(240, FrameTop, 14880, 6600);
        frame.setVisible(false);
    }
    Command2.Click = [this](int i) { Command2_Click(i); };

    // The club sentences and the interest sentences are long: one a row.
    placeBoxes(Text1, Frame1, {0, 8, 0, 0});
    placeBoxes(Text2, Frame1, {0, 4, 0, 9, 1, true});
    placeBoxes(Text3, Frame2, {0, 14, 0, 0, 1, true});
    placeBoxes(Text4, Frame2, {0, 1, 0, 15, 2, true});
    // Grade deviation and lead remarks at the left, the phrases and the progress sentence beside
    // the lead remark they follow; the promotion sentences below, one a row.
    placeBoxes(Text4, Frame3, {1, 5, 0, 0});
    placeBoxes(Text4, Frame3, {6, 3, 0, 6});
    placeBoxes(Text4, Frame3, {9, 5, 1, 0});
    placeBoxes(Text4, Frame3, {14, 3, 1, 6});
    placeBoxes(Text4, Frame3, {17, 4, 0, 10, 1, true});

    // Red on light yellow: what the composition window fills in or treats by itself.
    const QString clubsFromTheList = QStringLiteral(
        "In diesem Feld werden die aus der Datenbank übernommenen Arbeitsgemeinschaften automatisch angezeigt.");
    Text2(0).setText(clubsFromTheList);
    Text2(1).setText(clubsFromTheList);
    Text4(0).setText(QStringLiteral("Hier stehen Bemerkungen zum Schwimm- und Sportabzeichen und zur Radfahrprüfung. Sie "
                                    "sind durch das Programm gesteuert und nicht veränderbar.")
                     + CrLf);
    for (TextBox* fixed : {&Text2(0), &Text2(1), &Text3(0), &Text4(0)}) {
        fixed->setForeColor(Colours::Red);
        fixed->setBackColor(LightYellow);
    }
    for (TextBox* setByTheProgram : {&Text4(1), &Text4(5), &Text4(16)})
        setByTheProgram->setForeColor(Colours::Red);
    for (int i = 1; i <= 6; ++i)
        Text1(i).setBackColor(LightBlue);
    for (int i : {2, 3, 4, 9, 10, 11, 12, 13})
        Text4(i).setBackColor(LightBlue);
    for (ControlArray<TextBox>* boxes : {&Text1, &Text2, &Text3, &Text4})
        ConnectLineBoxes(*boxes);

    PlaceGuidance(Label5,
                  QStringLiteral("Laden Sie zuerst die gewünschten Textbausteine und wählen Sie danach den Bereich, den "
                                 "Sie bearbeiten möchten!"),
                  Label2, 9240, 1200);
}

void GSAenderung34::placeBoxes(ControlArray<TextBox>& boxes, Frame& frame, const BoxPlace& place)
{
    for (int i = 0; i < place.count; ++i) {
        const int top = (1 + place.row + i * place.rowsEach) * RowStep;
        const int width = place.wide ? ColumnLeft[1] + BoxWidth - ColumnLeft[0] : BoxWidth;
        boxes.add(place.firstBox + i, frame, place.rowsEach > 1)
            .move(ColumnLeft[place.column], top, width, place.rowsEach * RowStep - 30);
    }
}

int GSAenderung34::HalfYearColumn() const
{
    if (HalfYear == QStringLiteral("1"))
        return 1;
    if (HalfYear == QStringLiteral("2"))
        return 2;
    return 0;
}

std::vector<TextBlockEditor::BoxRun> GSAenderung34::BoxRuns()
{
    std::vector<BoxRun> runs = {
        {&Text1, 0, 8, &SupportLines, 1, 1},
        {&Text2, 2, 2, &ClubLines, 1, 1},
        {&Text3, 0, 14, &InterestLines, 1, 1},
        {&Text4, 1, 1, &DeviationLines, 1, 4},
        {&Text4, 2, 3, &DeviationLines, 1, 1},
        {&Text4, 6, 3, &RemarkColumns, 1, 1},
        {&Text4, 9, 5, &RemarkColumns, 2, 1},
        {&Text4, 14, 2, &RemarkColumns, 3, 1},
        {&Text4, 16, 1, &RemarkColumns, 4, 1},
    };
    const int halfYear = HalfYearColumn();
    if (halfYear == 0)
        return runs;
    runs.push_back({&Text4, 5, 1, &DeviationLines, 1, 4 + halfYear});
    const int grade = Grade.toInt();
    if (grade == 3 || grade == 4)
        runs.push_back({&Text4, 17, 4, &PromotionColumns, halfYear, 1});
    return runs;
}

std::vector<TextBlockEditor::TableFile> GSAenderung34::TableFiles()
{
    const int grade = Grade.toInt();
    return {
        {QStringLiteral("Förder34.Txt"), &SupportLines, 8},
        {QStringLiteral("Zensurabweichung.Txt"), &DeviationLines, 6},
        {QStringLiteral("Interessen34.Txt"), &InterestLines, 14},
        {QStringLiteral("Versetzung3.Txt"), grade == 3 ? &PromotionColumns : nullptr, 5},
        {QStringLiteral("Versetzung4.Txt"), grade == 4 ? &PromotionColumns : nullptr, 5},
        {QStringLiteral("Bemerkungen34.Txt"), &RemarkColumns, 5},
        {QStringLiteral("AG.Txt"), &ClubLines, 2},
    };
}

void GSAenderung34::Form_Load()
{
    FillColourTable();
    ShowClassHeader(Text5);
    Label5.setVisible(true);
    Saved = 0;
    Loaded = 0;
    Command7(0).setBackColor(TableColour(LightGreenSlot));
    Command7(0).setEnabled(true);
    Command7(1).setBackColor(TableColour(GreySlot));
    Command7(1).setEnabled(false);
    Command6.setBackColor(TableColour(RedSlot));
    Command2.forEach([](int, CommandButton& b) { b.setEnabled(false); });
    Command5.setVisible(false);
    LockBoxesWithoutCell();
}

// What is typed into a box that shows no cell would reach no file: such a box takes no input.
void GSAenderung34::LockBoxesWithoutCell()
{
    std::set<const TextBox*> showingCells;
    for (const BoxRun& run : BoxRuns())
        for (int i = 0; i < run.count; ++i)
            showingCells.insert(&(*run.boxes)(run.firstBox + i));
    for (ControlArray<TextBox>* boxes : {&Text1, &Text2, &Text3, &Text4})
        boxes->forEach([&showingCells](int, TextBox& box) { box.setReadOnly(!showingCells.count(&box)); });
}

void GSAenderung34::Command1_Click(int Index)
{
    Loaded = 1;
    Label5.setVisible(false);
    Command2.forEach([this](int, CommandButton& b) {
        b.setEnabled(true);
        b.setBackColor(TableColour(GreySlot));
    });
    if (!ConfirmEditStart())
        return;
    Frame1.setVisible(true);
    Command5.setBackColor(TableColour(LightGreenSlot));
    Command2(0).setBackColor(Frame1.backColor());
    Command1.forEach([](int, CommandButton& b) { b.setEnabled(false); });
    Label2.setCaption(FourHints);
    ChooseBlockFileNames(Index, TableFiles());
    LoadTextBlocks();
    Command5.setVisible(true);
    ShowTextBlocks();
    RememberLoadedSet();
}

void GSAenderung34::Command2_Click(int Index)
{
    Command2.forEach([this](int, CommandButton& b) { b.setBackColor(TableColour(GreySlot)); });
    Command2(Index).setBackColor(AreaDesigns[Index].colour);
    for (int area = 0; area < Areas; ++area)
        AreaFrames()[area]->setVisible(area == Index);
    Label2.setCaption(AreaDesigns[Index].hint);
    Loaded = 1;
}

void GSAenderung34::Command7_Click(int Index) { ShowHideInsertionDialog(Index, Command7(0), Command7(1), HideMeans::Hide); }

void GSAenderung34::Command8_Click() { RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe7.doc")); }

} // namespace zt
