// Where the controls of the grade 3/4 window stand.
#include "GSAGFI.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"

namespace zt {

namespace {
constexpr int ButtonTop = 9600;
// A choice takes one row of the choice font.
constexpr int RowHeight = 300;
constexpr double ChoiceFontSize = 8;

CompositionDesign design()
{
    return {.areas = GSAGFI::Areas,
            .itemSeparator = QStringLiteral(",  "),
            .pictureExtension = QStringLiteral(".jpg"),
            .showInsertionCaption = QStringLiteral("Einfügungen zeigen"),
            .hideInsertionCaption = QStringLiteral("Einfügungen verbergen"),
            .helpCommandLine = QStringLiteral("Winword.exe Texte\\Hilfe4.doc"),
            .placeholders = PlaceholderSet::Full,
            .replacesPastedQuotes = false,
            .leavingLocksByText = true,
            .saveQuestion = QStringLiteral("Wollen Sie die Eintragungen noch speichern?"),
            .saveQuestionStyle = vbYesNo | vbQuestion};
}

struct AreaDesign {
    const char* caption;
    const char* toolTip;
};
const AreaDesign AreaButtons[GSAGFI::Areas] = {
    {"Förderteilnahme und AG", "Teilnahme am Förderunterricht und Arbeitsgemeinschaften auswählen"},
    {"Interessen", "Besondere Interessen auswählen"},
    {"Bemerkungen", "Bemerkungen, Lernfortschritt und Versetzungsbemerkungen"},
};

// The sports boxes stand under their headings; their sentences come from the sports file.
const char* const SportsBoxCaptions[] = {"Seepferdchen", "Bronze", "Silber", "Gold",
                                         "Sportabzeichen", "Sportabzeichen in Gold", "bestanden"};
const char* const SportsHeadings[] = {"Schwimmabzeichenerwerb:", "Sportabzeichenerwerb:", "Radfahrprüfung:"};
constexpr int FirstBoxUnder[] = {0, 4, 6, 7};

// Choices one below the other from the top given, each row one line of the choice font.
template <class T>
void addRows(ControlArray<T>& controls, ControlParent& parent, int first, int last, int left, int top, int width,
             int rowHeight = RowHeight)
{
    for (int i = first; i <= last; ++i) {
        T& c = controls.add(i, parent);
        c.move(left, top + (i - first) * rowHeight, width, rowHeight);
        c.setFontSize(ChoiceFontSize);
    }
}
} // namespace

GSAGFI::GSAGFI() : CompositionWindow(WindowNames::SupportClubs, design())
{
    setCaption(QStringLiteral("Förder Interessen"));
    resize(15360, 10260);
    createControls();
    AddAreaStores(Grade34TextStore, Grade34LockStore);
}

TextBox& GSAGFI::AreaBox(int area)
{
    TextBox* boxes[Areas] = {&Text1, &Text2, &Text3};
    return *boxes[area];
}

Frame& GSAGFI::AreaFrame(int area)
{
    Frame* frames[Areas] = {&Frame1, &Frame2, &Frame3};
    return *frames[area];
}

void GSAGFI::createControls()
{
    LayHeading(Label1, 9600, Label5);
    Label2.move(2700, 2300, 8000, 360);
    Combo1.move(2700, 2800, 3000, 360);
    Picture1.move(13920, 120, 1320, 1500);

    const Colour areaColours[Areas] = {0xC0FFC0, 0xFFFFC0, 0xC0FFFF};
    for (int area = 0; area < Areas; ++area) {
        Frame& frame = AreaFrame(area);
        frame.move(120, 1680, 15120, 5700);
        frame.setBackColor(areaColours[area]);
        frame.setVisible(false);
        TextBox& box = AreaBox(area);
        box.move(120, 7500, 15120, 1900);
        box.setVisible(false);
        ConnectAreaBox(box, area);
    }
    Text1.Click = [this] { Text1_Click(); };
    Text2.Click = [this] { Text2_Click(); };
    Text3.Click = [this] { Text3_Click(); };

    // Each area's button opens its frame.
    for (int area = 0; area < Areas; ++area) {
        CommandButton& b = Command2.add(area, *this, QString::fromUtf8(AreaButtons[area].caption));
        b.setToolTip(QString::fromUtf8(AreaButtons[area].toolTip));
        b.move(240 + area * 2640, 600, 2520, 480);
        b.setEnabled(false);
    }
    Command2.Click = [this](int i) { Command2_Click(i); };

    // Area 0: the support sentence on the left, the club sentences on the right.
    for (Label* heading : {&Label3, &Label4})
        heading->setFontBold(true);
    Label3.move(240, 300, 4800, RowHeight);
    Label7.add(0, Frame1).move(240, 640, 4800, RowHeight);
    addRows(Check1, Frame1, 0, 5, 360, 960, 4680);
    Label7.add(1, Frame1).move(240, 960 + 6 * RowHeight, 4800, RowHeight);
    Label4.move(5400, 300, 9600, RowHeight);
    addRows(Option6, Frame1, 0, 3, 5400, 640, 9600, 420);
    Label8.move(240, 5100, 14600, 420);
    Check1.Click = [this](int i) { Check1_Click(i); };
    Option6.Click = [this](int i) { Option6_Click(i); };

    // Area 1: the interests on the left, the badges under their headings on the right.
    addRows(Option1, Frame2, 0, 13, 240, 300, 9600, 340);
    int top = 300;
    for (int h = 0; h < 3; ++h) {
        Label& heading = Label16.add(h, Frame2, QString::fromUtf8(SportsHeadings[h]));
        heading.move(10100, top, 4800, RowHeight);
        heading.setFontBold(true);
        top += RowHeight;
        for (int k = FirstBoxUnder[h]; k < FirstBoxUnder[h + 1]; ++k) {
            CheckBox& box = Check3.add(k, Frame2, QString::fromUtf8(SportsBoxCaptions[k]));
            box.move(10220, top, 4680, RowHeight);
            box.setBackColor(Colours::White);
            top += RowHeight;
        }
        top += 120;
    }
    Option1.Click = [this](int i) { Option1_Click(i); };
    Check3.Click = [this](int i) { Check3_Click(i); };

    // Area 2: the deviation and the phrases on the left, lead and progress on the right, the
    // promotion across.
    Label9.add(0, Frame3).move(240, 300, 6900, RowHeight);
    addRows(Check2, Frame3, 0, 2, 360, 600, 6780);
    Label9.add(1, Frame3).move(240, 1500, 6900, 2 * RowHeight);
    addRows(Check5, Frame3, 0, 4, 360, 2300, 6780);
    LeadBox.move(7500, 240, 7440, 3 * RowHeight + 160);
    addRows(Option2, LeadBox, 0, 2, 90, 80, 7260);
    ProgressBox.move(7500, 1500, 7440, 2 * RowHeight + 160);
    addRows(Option3, ProgressBox, 0, 1, 90, 80, 7260);
    Label6.move(7620, 2320, 7320, RowHeight);
    PromotionBox.move(240, 3900, 14700, 4 * RowHeight + 160);
    addRows(Option4, PromotionBox, 0, 3, 90, 80, 14520);
    Label10.move(240, 5300, 14600, RowHeight);
    Check5.forEach([](int, CheckBox& b) { b.setEnabled(false); });
    Option3.forEach([](int, OptionButton& b) { b.setEnabled(false); });
    Check2.Click = [this](int i) { Check2_Click(i); };
    Option2.Click = [this](int i) { Option2_Click(i); };
    Check5.Click = [this](int i) { Check5_Click(i); };
    Option3.Click = [this](int i) { Option3_Click(i); };
    Option4.Click = [this](int i) { Option4_Click(i); };
    for (Label* label : {&Label6, &Label8, &Label10})
        label->setFontSize(ChoiceFontSize);
    Label7.forEach([](int, Label& l) { l.setFontSize(ChoiceFontSize); });
    Label9.forEach([](int, Label& l) { l.setFontSize(ChoiceFontSize); });


    const char* const buttons[] = {"Alle Texte speichern", "Abbrechen", "Aktuelle Eingabe neu"};
    const char* const tips[] = {"Texteingaben der ganzen Klasse speichern", "Zurück zum Startmenü",
                                "Die Eingabe für den aktuellen Schüler löschen"};
    const int lefts[] = {240, 12840, 2760};
    for (int i = 0; i < 3; ++i) {
        CommandButton& b = Command1.add(i, *this, QString::fromUtf8(buttons[i]));
        b.setToolTip(QString::fromUtf8(tips[i]));
        b.move(lefts[i], ButtonTop, 2400, 480);
    }
    Command1(0).setEnabled(false);
    Command1.Click = [this](int i) { Command1_Click(i); };
    for (int i = 0; i < 2; ++i)
        Command7(i).move(5280 + i * 2400, ButtonTop, 2280, 480);
    Command8.move(10080, ButtonTop, 480, 480);

    LayCover(Picture2, Frame1, Command1(2));
}

} // namespace zt
