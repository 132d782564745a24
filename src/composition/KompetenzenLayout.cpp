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

// Inside an area frame: below its caption, one row per choice; a caption too long for its column
// takes a further line of the choice font for each line it wraps onto.
constexpr int FrameInnerTop = 300;
constexpr int RowHeight = 240;
constexpr int LineHeight = 200;
constexpr int GroupPadding = 100;
constexpr int GroupGap = 60;
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

// The columns of each area, every group with its lead-in above it, in the order of the sentences
// they make; a column holds what its longest formulations need in wrapped lines.
const AreaLayout AreaLayouts[Kompetenzen::Areas] = {
    {{{7500, {1}}, {7500, {Sports}}}, {}},
    {{{15000, {2, 3, 44}}}, {}},
    {{{7500, {4, 5}}, {7500, {6, 7, 8, 45}}}, {}},
    {{{7500, {9, 10, 11}}, {7500, {12, 13, 24}}}, {}},
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

template <class T>
void addRows(ControlArray<T>& controls, Frame& box, int first, int last)
{
    for (int i = first; i <= last; ++i)
        controls.add(i, box).setFontSize(ChoiceFontSize);
}

// The choices of a group one below the other in its box, each as high as its caption's lines
// need; gives the height of the box.
template <class T>
int placeRows(const ControlArray<T>& controls, int width)
{
    int top = GroupPadding / 2;
    controls.forEach([&](int, T& c) {
        c.move(90, top, width - 180, RowHeight);
        c.setHeight(RowHeight + (c.captionLines() - 1) * LineHeight);
        top += c.height();
    });
    return top + GroupPadding / 2;
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
    for (int area = 0; area < Areas; ++area) {
        MakeAreaChoices(area);
        PlaceChoices(area);
    }
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

void Kompetenzen::MakeAreaChoices(int area)
{
    // Made in the order they are laid out, which the keyboard follows.
    std::vector<int> groups;
    for (const Column& column : AreaLayouts[area].columns)
        groups.insert(groups.end(), column.groups.begin(), column.groups.end());
    groups.insert(groups.end(), AreaLayouts[area].across.begin(), AreaLayouts[area].across.end());
    for (int group : groups) {
        if (Label* lead = GroupLead(group))
            lead->setFontSize(ChoiceFontSize);
        auto& box = *GroupBoxes.emplace_back(std::make_unique<Frame>(static_cast<ControlParent&>(Frame1(area))));
        GroupBoxOf[group] = &box;
        if (group == Sports)
            addRows(Check1, box, 0, 3);
        else if (group == RemarkBoxes)
            addRows(Check2, box, 0, 1);
        else if (group == Phrases)
            addRows(Check3, box, 0, 7);
        else
            addRows(OptionGroup(group), box, OptionGroupRuleOf(group).first, OptionGroupRuleOf(group).last);
    }
}

// Laid out anew whenever captions change, since they decide how many lines each choice takes.
void Kompetenzen::PlaceChoices(int area)
{
    int left = 60;
    int bottom = FrameInnerTop;
    for (const Column& column : AreaLayouts[area].columns) {
        int top = FrameInnerTop;
        for (int group : column.groups)
            top = PlaceGroup(group, left, top, column.width);
        bottom = std::max(bottom, top);
        left += column.width;
    }
    for (int group : AreaLayouts[area].across)
        bottom = PlaceGroup(group, 60, bottom, left - 60);
}

// A lead-in shared by two groups stands above the first of them.
Label* Kompetenzen::GroupLead(int group)
{
    if (group == ContinuingGroup)
        return nullptr;
    return group == Phrases ? &Label5
           : group == 1     ? &Label3
           : group > 0      ? LeadLabel(OptionGroupRuleOf(group).leadLabel)
                            : nullptr;
}

// The group in its box below its lead-in. Returns where the next group goes.
int Kompetenzen::PlaceGroup(int group, int left, int top, int width)
{
    if (Label* lead = GroupLead(group)) {
        lead->move(left + 60, top, width - 120, RowHeight);
        top += RowHeight;
    }
    const int height = group == Sports        ? placeRows(Check1, width)
                       : group == RemarkBoxes ? placeRows(Check2, width)
                       : group == Phrases     ? placeRows(Check3, width)
                                              : placeRows(OptionGroup(group), width);
    GroupBoxOf.at(group)->move(left, top, width - 60, height);
    return top + height + GroupGap;
}

ControlArray<OptionButton>& Kompetenzen::OptionGroup(int number) const { return *OptionGroups.at(number); }

Label* Kompetenzen::LeadLabel(int number) const
{
    auto it = LeadLabels.find(number);
    return it == LeadLabels.end() ? nullptr : it->second;
}

} // namespace zt
