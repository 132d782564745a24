// The choice groups of the competences window: what a click records, how each area's text is
// composed from the recorded parts, and how the chosen controls are marked.
#include "core/ClubSentence.h"
#include "core/CompetenceComposition.h"
#include "core/CompetenceGroups.h"
#include "core/Trim.h"
#include "Kompetenzen.h"

namespace zt {

namespace {
// The sports boxes take these rows of the sports sentences.
constexpr int SportsRows[] = {0, 1, 4, 5};
// Where the club sentence stands.
constexpr int RemarksArea = 7;
} // namespace

void Kompetenzen::SetCaptions()
{
    for (const OptionGroupRule& rule : OptionGroupRules()) {
        for (int i = rule.first; i <= rule.last; ++i) {
            const QString cell = Blocks.cell(rule.source, i - rule.first, rule.column);
            OptionGroup(rule.number)(i).setCaption(rule.trimmed ? Trim(cell) : cell);
        }
    }
    Check2(1).setCaption(Trim(Blocks.cell(BlockSource::Remarks, 0, 1)));
    for (int k = 0; k < 8; ++k)
        Check3(k).setCaption(Trim(Blocks.cell(BlockSource::Remarks, k, 2)));
    for (int k = 0; k < 4; ++k)
        Check1(k).setCaption(Blocks.cell(BlockSource::Sports, SportsRows[k]));
    for (int area = 0; area < Areas; ++area)
        PlaceChoices(area);
}

void Kompetenzen::SetAreaLabels()
{
    if (CurrentArea == 0)
        Label3.setCaption(Pupils.Slots[CurrentPupil].FirstName);
    for (const LeadInRule& rule : LeadInRules()) {
        if (rule.area != CurrentArea)
            continue;
        const QString row = Blocks.cell(BlockSource::LeadIns, Grade == 1 ? rule.rowInGrade1 : rule.row);
        LeadLabel(rule.label)->setCaption(rule.trimmed ? Trim(row) : row);
    }
}

void Kompetenzen::BuildAgSentence()
{
    Check2(0).setCaption(zt::BuildAgSentence(Pupils.Slots[CurrentPupil].FirstName, ClubNames(CurrentPupil)));
    PlaceChoices(RemarksArea);
}

void Kompetenzen::RecordPart(int group, int Index)
{
    const OptionGroupRule& rule = OptionGroupRuleOf(group);
    const Label* lead = LeadLabel(rule.leadLabel);
    const bool sentenceOpen = !PartText[OpeningGroup][CurrentPupil].isEmpty();
    PartText[group][CurrentPupil] =
        zt::PartText(rule.rule, lead ? lead->caption() : QString(), OptionGroup(group)(Index).caption(), sentenceOpen);
    ChoiceIndex[group][CurrentPupil] = Index;
}

void Kompetenzen::OptionGroup_Click(int group, int Index)
{
    RecordPart(group, Index);
    ComposeAreaText(OptionGroupRuleOf(group).area);
    ResetColours();
    ColourSelections();
}

void Kompetenzen::Option1_Click(int Index)
{
    ChoiceIndex[1][CurrentPupil] = Index;
    ComposeInterests();
    ResetColours();
    ColourSelections();
}

void Kompetenzen::Option35_Click(int Index)
{
    // The sentence opened here is continued by the next click in the other group.
    PartText[ContinuingGroup][CurrentPupil].clear();
    OptionGroup_Click(OpeningGroup, Index);
}

void Kompetenzen::Option23_Click(int Index)
{
    RecordPart(23, Index);
    ResetColours();
    ColourSelections();
    ComposeRemarks();
}

void Kompetenzen::Option21_Click(int Index)
{
    // Promotion belongs to the end of the school year.
    if (HalfYear != 2)
        return;
    RecordPart(21, Index);
    ResetColours();
    ColourSelections();
    ComposeRemarks();
}

void Kompetenzen::Check1_Click(int)
{
    QStringList ticked;
    for (int k = 0; k < 4; ++k)
        if (Check1(k).value())
            ticked << Blocks.cell(BlockSource::Sports, SportsRows[k]);
    SportsPart[CurrentPupil] = zt::SportsPart(ticked);
    ComposeInterests();
}

void Kompetenzen::Check2_Click(int)
{
    Check2Part[0][CurrentPupil] = Check2(0).value() ? Check2(0).caption() + QStringLiteral(". ") : QString();
    Check2Part[1][CurrentPupil] = Check2(1).value() ? Check2(1).caption() + QStringLiteral(".") : QString();
    ComposeRemarks();
    ResetColours();
    ColourSelections();
}

void Kompetenzen::Check3_Click(int Index)
{
    Check3Part[Index][CurrentPupil] = Check3(Index).value() ? Check3(Index).caption() : QString();
    ComposeRemarks();
    ResetColours();
    ColourSelections();
}

void Kompetenzen::ComposeInterests()
{
    const int choice = ChoiceIndex[1][CurrentPupil];
    InterestPart[CurrentPupil] = InterestSentence(Pupils.Slots[CurrentPupil].FirstName, Option1(choice).caption(), choice == 0);
    FinishComposition(0, zt::ComposeInterests(InterestPart[CurrentPupil], SportsPart[CurrentPupil]));
}

void Kompetenzen::ComposeAreaText(int area)
{
    QStringList parts;
    for (const OptionGroupRule& rule : OptionGroupRules())
        if (rule.area == area)
            parts << PartText[rule.number][CurrentPupil];
    FinishComposition(area, zt::ComposeAreaText(area, parts));
}

void Kompetenzen::ComposeRemarks()
{
    RemarksParts parts;
    parts.head = Check2Part[0][CurrentPupil] + Check2Part[1][CurrentPupil];
    for (const auto& phrase : Check3Part)
        parts.phrases << phrase[CurrentPupil];
    parts.lead = Label5.caption();
    parts.closing = PartText[23][CurrentPupil];
    parts.closingOfYear = Option23(0).caption();
    parts.promotion = PartText[21][CurrentPupil];
    parts.halfYear = HalfYear;
    FinishComposition(7, zt::ComposeRemarks(parts));
}

// Every composition replaces the area's text of the current pupil, hand edits included.
void Kompetenzen::FinishComposition(int area, const QString& WorkText)
{
    AreaText[area][CurrentPupil] = SubstitutePlaceholders(WorkText);
    ShowAreaTexts();
}

bool Kompetenzen::Chosen(int group) const
{
    if (group == 1)
        return !InterestPart[CurrentPupil].isEmpty();
    auto it = PartText.find(group);
    return it != PartText.end() && !it->second[CurrentPupil].isEmpty();
}

void Kompetenzen::ResetColours()
{
    const Colour white = ColourTable[8];
    for (auto& [number, group] : OptionGroups)
        group->forEach([white](int, OptionButton& b) { b.setBackColor(white); });
    for (ControlArray<CheckBox>* boxes : {&Check2, &Check3})
        boxes->forEach([white](int, CheckBox& b) { b.setBackColor(white); });
    Label1.setBackColor(white);
    Label2.setBackColor(white);
    for (auto& [number, label] : LeadLabels)
        if (number != 3)
            label->setBackColor(white);
    Option25.forEach([](int, OptionButton& b) { b.setValue(false); });
}

void Kompetenzen::ColourSelections()
{
    const Colour green = ColourTable[5];
    for (const OptionGroupRule& rule : OptionGroupRules()) {
        if (rule.area != CurrentArea || !Chosen(rule.number))
            continue;
        OptionGroup(rule.number)(ChoiceIndex[rule.number][CurrentPupil]).setBackColor(green);
        if (Label* lead = LeadLabel(rule.leadLabel))
            lead->setBackColor(green);
    }
    if (CurrentArea != 7)
        return;
    for (int k = 0; k < 2; ++k)
        if (!Check2Part[k][CurrentPupil].isEmpty())
            Check2(k).setBackColor(green);
    for (int k = 0; k < 8; ++k) {
        if (!Check3Part[k][CurrentPupil].isEmpty()) {
            Check3(k).setBackColor(green);
            Label5.setBackColor(green);
        }
    }
    if (Label5.backColor() == green && HalfYear == 2)
        Option23(0).setBackColor(Label5.backColor());
    if (HalfYear == 1)
        Option23.forEach([](int, OptionButton& b) { b.setValue(false); });
}

} // namespace zt
