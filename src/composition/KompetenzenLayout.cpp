// Where the controls of the competences window stand.
#include "core/CompetenceGroups.h"
#include "Kompetenzen.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include <algorithm>

namespace zt {

namespace {
constexpr int WindowWidth = 15360;
constexpr int FrameLeft = 120;
constexpr int FrameTop = 1680;
constexpr int FrameWidth = 15120;
constexpr int FrameHeight = 5880;
constexpr int BoxTop = 7620;
constexpr int BoxHeight = 760;
constexpr int BoxGap = 60;
constexpr int ButtonTop = 10140;

// Inside an area frame: below its caption, one row per choice.
constexpr int FrameInnerTop = 300;
constexpr int RowHeight = 240;
constexpr int GroupPadding = 100;
constexpr double ChoiceFontSize = 8;

// The check-box groups among the option groups of an area's columns.
constexpr int Sports = -1;
constexpr int RemarkBoxes = -2;
constexpr int Phrases = -3;

struct Column {
    int width;
    std::vector<int> groups;
};

struct AreaLayout {
    std::vector<Column> columns;
    // Below all columns, as wide as they are together: lines too long for a column.
    std::vector<int> across;
};

// The columns of each area, every group with its lead-in above it; groups of one sentence stand
// together.
const AreaLayout AreaLayouts[Kompetenzen::Areas] = {
    {{{7500, {1}}, {7500, {Sports}}}, {}},
    {{{15000, {2, 3, 44}}}, {}},
    {{{7500, {4, 5, 6}}, {7500, {7, 8, 45}}}, {}},
    {{{7500, {9, 10, 11, 12}}, {7500, {13, 24}}}, {}},
    {{{7500, {14, 35, 15}}, {7500, {16, 20, 28, 25}}}, {}},
    {{{7500, {17, 18, 19, 26}}, {7500, {27}}}, {}},
    {{{7500, {29, 30, 31}}, {7500, {32, 33, 34}}}, {}},
    {{{10200, {RemarkBoxes, Phrases}}, {4800, {23}}}, {21}},
};

const QString AreaCaptions[Kompetenzen::Areas][3] = {
    {QStringLiteral("Interessen"), QStringLiteral("Interessen, Fähigkeiten, Fertigkeiten"),
     QStringLiteral("Eintragungen für Interessen, Fähigkeiten und Fertigkeiten")},
    {QStringLiteral("Deutsch Sprechen Zuhören"), QStringLiteral("Sprechen und Zuhören"),
     QStringLiteral("Eintragungen zu den Kompetenzen Sprechen und Zuhören")},
    {QStringLiteral("Deutsch Lesen Texte"), QStringLiteral("Lesen und mit Texten umgehen"),
     QStringLiteral("Eintragungen zu den Kompetenzen Lesen und mit Texten umgehen")},
    {QStringLiteral("Deutsch Schreiben Texte"), QStringLiteral("Schreiben, Texte verfassen"),
     QStringLiteral("Eintragungen zu den Kompetenzen Schreiben und Texte verfassen")},
    {QStringLiteral("Mathe Zahlen Operationen"), QStringLiteral("Zahlen und Operationen"),
     QStringLiteral("Eintragungen zu den Kompetenzen  Zahlen und Operationen")},
    {QStringLiteral("Mathe Größen Messen"), QStringLiteral("Größen und Messen"),
     QStringLiteral("Eintragungen zu den Kompetenzen Größen und Messen")},
    {QStringLiteral("Mathe Raum Form"), QStringLiteral("Raum und Form"),
     QStringLiteral("Eintragungen zu den Kompetenzen Raum und Form")},
    {QStringLiteral("Bemerkungen"), QStringLiteral("Bemerkungen"), QStringLiteral("Eintragungen für die Zeugnisbemerkungen")},
};

CompositionDesign design()
{
    CompositionDesign d;
    d.areas = Kompetenzen::Areas;
    d.itemSeparator = QStringLiteral(",  ");
    d.pictureExtension = QStringLiteral(".jpg");
    d.showInsertionCaption = QStringLiteral("Einfügung zeigen");
    d.hideInsertionCaption = QStringLiteral("Einfügung schließen");
    d.helpCommandLine = QStringLiteral("Winword.exe Texte\\Hilfe3.doc");
    d.placeholders = PlaceholderSet::Full;
    d.saveQuestion = QStringLiteral("Wollen Sie die Eintragungen noch speichern?");
    d.saveQuestionStyle = vbYesNo | vbQuestion;
    return d;
}

// The controls of a group as its box holds them.
template <class T>
int addRows(ControlArray<T>& controls, Frame& box, int first, int last, int width)
{
    for (int i = first; i <= last; ++i) {
        T& c = controls.add(i, box);
        c.move(90, GroupPadding / 2 + (i - first) * RowHeight, width - 180, RowHeight);
        c.setFontSize(ChoiceFontSize);
    }
    return last - first + 1;
}
} // namespace

Kompetenzen::Kompetenzen() : CompositionWindow(WindowNames::Competences, design())
{
    setCaption(QStringLiteral("Interessen - Kompetenzen -  Bemerkungen "));
    resize(WindowWidth, 10860);
    createControls();
    AddAreaStores(Grade12TextStore, Grade12LockStore);
}

bool Kompetenzen::MakeAreaFrames()
{
    for (int area = 0; area < Areas; ++area)
        Frame1.add(area, *this, AreaCaptions[area][1]).move(FrameLeft, FrameTop, FrameWidth, FrameHeight);
    return true;
}

void Kompetenzen::createControls()
{
    LayHeading(Label1, 9600, Label2);
    Label7.move(2500, 2040, 6000, 360);
    Combo1.move(8280, 600, 3000, 360);
    Picture1.move(13920, 120, 1320, 1500);

    for (int area = 0; area < Areas; ++area) {
        CommandButton& b = Command1.add(area, *this, AreaCaptions[area][0]);
        b.move(240 + area * 1700, 1080, 1640, 540);
        // Small enough for the longest caption to stand in the two lines the button holds.
        b.setFontSize(ChoiceFontSize);
        b.setToolTip(AreaCaptions[area][2]);
    }
    Command1.Click = [this](int i) { Command1_Click(i); };

    OptionGroups = {{1, &Option1},   {2, &Option2},   {3, &Option3},   {4, &Option4},   {5, &Option5},   {6, &Option6},
                    {7, &Option7},   {8, &Option8},   {9, &Option9},   {10, &Option10}, {11, &Option11}, {12, &Option12},
                    {13, &Option13}, {14, &Option14}, {15, &Option15}, {16, &Option16}, {17, &Option17}, {18, &Option18},
                    {19, &Option19}, {20, &Option20}, {21, &Option21}, {23, &Option23}, {24, &Option24}, {25, &Option25},
                    {26, &Option26}, {27, &Option27}, {28, &Option28}, {29, &Option29}, {30, &Option30}, {31, &Option31},
                    {32, &Option32}, {33, &Option33}, {34, &Option34}, {35, &Option35}, {44, &Option44}, {45, &Option45}};
    LeadLabels = {{3, &Label3},   {4, &Label4},   {5, &Label5},   {8, &Label8},   {9, &Label9},   {10, &Label10},
                  {11, &Label11}, {12, &Label12}, {13, &Label13}, {14, &Label14}, {15, &Label15}, {17, &Label17},
                  {18, &Label18}, {19, &Label19}, {20, &Label20}, {21, &Label21}, {22, &Label22}, {23, &Label23},
                  {24, &Label24}, {25, &Label25}, {26, &Label26}, {27, &Label27}};
    for (int area = 0; area < Areas; ++area)
        LayOutArea(area);
    for (auto& [number, group] : OptionGroups) {
        const int g = number;
        group->Click = [this, g](int i) {
            switch (g) {
            case 1: Option1_Click(i); break;
            case 21: Option21_Click(i); break;
            case 23: Option23_Click(i); break;
            case OpeningGroup: Option35_Click(i); break;
            default: OptionGroup_Click(g, i);
            }
        };
    }
    Check1.Click = [this](int i) { Check1_Click(i); };
    Check2.Click = [this](int i) { Check2_Click(i); };
    Check3.Click = [this](int i) { Check3_Click(i); };
    LayCover(Picture2, Frame1(0), Command4);

    MakeAreaBoxes(Text1);
    Text1.Click = [this](int i) { Text1_Click(i); };
    for (int area = 0; area < Areas; ++area) {
        const bool single = area == 0 || area == 7;
        const int row = single ? 0 : (area - 1) % 3;
        Text1(area).move(FrameLeft, BoxTop + row * (BoxHeight + BoxGap), FrameWidth,
                         single ? 3 * BoxHeight + 2 * BoxGap : BoxHeight);
    }

    Command2.setToolTip(QStringLiteral("Die Texte der ganzen Klasse speichern"));
    Command2.move(240, ButtonTop, 2200, 480);
    Command2.Click = [this] { Command2_Click(); };
    Command4.setToolTip(QStringLiteral("Die Eingabe für den aktuellen Schüler löschen"));
    Command4.move(2520, ButtonTop, 2200, 480);
    Command4.Click = [this] { Command4_Click(); };
    for (int i = 0; i < 2; ++i)
        Command7(i).move(4800 + i * 1980, ButtonTop, 1900, 480);
    Command8.move(8760, ButtonTop, 480, 480);
    Label6.move(9360, ButtonTop, 3600, 480);
    Command3.setToolTip(QStringLiteral("Zurück zum Startmenü"));
    Command3.move(13080, ButtonTop, 2160, 480);
    Command3.Click = [this] { Command3_Click(); };
}

void Kompetenzen::LayOutArea(int area)
{
    int left = 60;
    int bottom = FrameInnerTop;
    for (const Column& column : AreaLayouts[area].columns) {
        int top = FrameInnerTop;
        for (int group : column.groups)
            top = LayOutGroup(area, group, left, top, column.width);
        bottom = std::max(bottom, top);
        left += column.width;
    }
    for (int group : AreaLayouts[area].across)
        bottom = LayOutGroup(area, group, 60, bottom, left - 60);
}

// The group in a box below its lead-in; a lead-in shared by two groups stands above the first of
// them. Returns where the next group goes.
int Kompetenzen::LayOutGroup(int area, int group, int left, int top, int width)
{
    Label* lead = group == Phrases ? &Label5
                  : group == 1     ? &Label3
                  : group > 0      ? LeadLabel(OptionGroupRuleOf(group).leadLabel)
                                   : nullptr;
    if (lead && group != ContinuingGroup) {
        lead->move(left + 60, top, width - 120, RowHeight);
        lead->setFontSize(ChoiceFontSize);
        top += RowHeight;
    }
    auto& box = *GroupBoxes.emplace_back(std::make_unique<Frame>(static_cast<ControlParent&>(Frame1(area))));
    int rows = 0;
    if (group == Sports)
        rows = addRows(Check1, box, 0, 3, width);
    else if (group == RemarkBoxes)
        rows = addRows(Check2, box, 0, 1, width);
    else if (group == Phrases)
        rows = addRows(Check3, box, 0, 7, width);
    else {
        const OptionGroupRule& rule = OptionGroupRuleOf(group);
        rows = addRows(OptionGroup(group), box, rule.first, rule.last, width);
        GroupBoxOf[group] = &box;
    }
    const int height = rows * RowHeight + GroupPadding;
    box.move(left, top, width - 60, height);
    return top + height + 60;
}

ControlArray<OptionButton>& Kompetenzen::OptionGroup(int number) const { return *OptionGroups.at(number); }

Label* Kompetenzen::LeadLabel(int number) const
{
    auto it = LeadLabels.find(number);
    return it == LeadLabels.end() ? nullptr : it->second;
}

} // namespace zt
