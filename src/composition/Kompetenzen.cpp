#include "Kompetenzen.h"
#include "core/CompetenceGroups.h"

namespace zt {

void Kompetenzen::Form_Load()
{
    ColourTable = {0xC0FFC0, 0xC0E0FF, 0xFFFF, 0xFFFFC0, 0xC0FFFF, 0x80FF80, 0xC0C0C0, 0xFFC0FF, 0xFFFFFF, 0xFF, 0x8080FF};
    for (int area = 0; area < Areas; ++area)
        Command1(area).setEnabled(false);
    Command2.setEnabled(false);
    Command4.setEnabled(false);
    Command3.setBackColor(ColourTable[10]);
    Combo1.setLeft(2500);
    Combo1.setTop(2500);
    // Until a pupil is chosen only the list and its hint are of use.
    for (int area = 0; area < Areas; ++area) {
        Text1(area).setText(QString());
        Text1(area).setVisible(false);
        Frame1(area).setVisible(false);
    }

    LoadNames();
    if (LeaveWithoutPupils())
        return;
    Grade = GradeOfClass(ClassName);
    LoadTextBlocks();
    LoadStore();
    ShowAreaTexts();
    Label2.setCaption(ClassName);
    FirstSelectionDone = 0;
    RememberSavedStores();
}

void Kompetenzen::LeaveByOwnButton() { Command3_Click(); }

int Kompetenzen::BoxesShownWith(int area)
{
    // The German areas 1 to 3 and the mathematics areas 4 to 6 show their boxes one below the other.
    return area >= 1 && area <= 6 ? Areas + (area - 1) / 3 : area;
}

void Kompetenzen::LoadTextBlocks()
{
    Blocks = CompetenceBlocks::load(Grade);
    BaseData = loadBaseData(9).value_or(BaseDataRecord{});
    HalfYear = BaseData.HalfYear.trimmed().toInt();
}

// Record k belongs to slot k: the stored names are not compared with the list.
void Kompetenzen::LoadStore()
{
    ReadAreaStores();
    // A stored text is edited by hand only, whatever the lock file says or lacks.
    for (int area = 0; area < Areas; ++area)
        for (int slot = 0; slot < PupilCount; ++slot)
            if (!AreaText[area][slot].isEmpty())
                Locked[area][slot] = 1;
}

void Kompetenzen::Combo1_Click()
{
    if (FirstSelectionDone == 0) {
        SetCaptions();
        for (int area = 0; area < Areas; ++area)
            Command1(area).setEnabled(true);
    }
    for (auto& [number, group] : OptionGroups)
        group->forEach([](int, OptionButton& b) { b.setValue(false); });
    for (int area = 0; area < Areas; ++area)
        if (!Text1(area).text().isEmpty())
            Locked[area][CurrentPupil] = 1;
    CurrentPupil = Combo1.listIndex();
    for (ControlArray<CheckBox>* boxes : {&Check1, &Check2, &Check3})
        boxes->forEach([](int, CheckBox& b) { b.setValue(false); });
    ResetColours();
    ColourSelections();
    BuildPictureNames();
    ShowStudentPicture();
    SetAreaLabels();
    ShowAreaTexts();
    BuildAgSentence();
    if (FirstSelectionDone > 0)
        ShowAreaOrLock();
    Command1_Click(CurrentArea);
    FirstSelectionDone = 1;
}

void Kompetenzen::Command1_Click(int Index)
{
    Label7.setVisible(false);
    CurrentArea = Index;
    Combo1.setLeft(8280);
    Combo1.setTop(600);
    ResetColours();
    ColourSelections();
    ShowAreaFrame();
    ResetAreaButtons();
    if (FirstSelectionDone > 0)
        SetAreaLabels();
    EnableSaving(Command2);
    const bool locked = Locked[CurrentArea][CurrentPupil] == 1;
    Command4.setBackColor(ColourTable[locked ? 9 : 8]);
    Command4.setEnabled(locked);
    // Of the boxes shown together, only the area's own takes input, and it stands out.
    for (int area = 0; area < Areas; ++area) {
        if (BoxesShownWith(area) == BoxesShownWith(CurrentArea)) {
            Text1(area).setEnabled(area == CurrentArea);
            Text1(area).setFontBold(area == CurrentArea);
        }
    }
    if (CurrentArea == 5 || CurrentArea == 6)
        Command1(CurrentArea).setBackColor(ColourTable[CurrentArea - 4]);
    ShowAreaOrLock();
}

void Kompetenzen::ResetAreaButtons()
{
    for (int area = 0; area < Areas; ++area)
        Command1(area).setBackColor(ColourTable[6]);
    for (Control* c : {static_cast<Control*>(&Command1(CurrentArea)), static_cast<Control*>(&Text1(CurrentArea)),
                       static_cast<Control*>(&Frame1(CurrentArea))})
        c->setBackColor(ColourTable[CurrentArea]);
    if (CurrentArea >= 1 && CurrentArea <= 3) {
        for (int area = 1; area <= 3; ++area)
            Text1(area).setBackColor(ColourTable[area]);
    } else if (CurrentArea >= 4 && CurrentArea <= 6) {
        Text1(4).setBackColor(ColourTable[4]);
        Text1(5).setBackColor(ColourTable[1]);
        Text1(6).setBackColor(ColourTable[2]);
        Frame1(5).setBackColor(ColourTable[1]);
        Frame1(6).setBackColor(ColourTable[2]);
    }
}

void Kompetenzen::ShowAreaFrame()
{
    for (int area = 0; area < Areas; ++area) {
        Frame1(area).setVisible(area == CurrentArea);
        Text1(area).setVisible(BoxesShownWith(area) == BoxesShownWith(CurrentArea));
    }
    const bool gradeOne = Grade == 1;
    Label15.setVisible(!gradeOne);
    GroupBoxOf.at(25)->setVisible(!gradeOne);
    Option25.forEach([gradeOne](int, OptionButton& b) { b.setVisible(!gradeOne); });
    GroupBoxOf.at(21)->setVisible(HalfYear != 1);
    Option21.forEach([this](int, OptionButton& b) { b.setVisible(HalfYear != 1); });
    Option23.forEach([this](int i, OptionButton& b) {
        b.setEnabled(!(HalfYear == 2 && i == 0));
        b.setVisible(HalfYear != 2 || i == 0);
    });
}

void Kompetenzen::ShowAreaOrLock()
{
    const bool locked = Locked[CurrentArea][CurrentPupil] == 1;
    Picture2.setVisible(locked);
    Frame1(CurrentArea).setEnabled(!locked);
}

void Kompetenzen::Text1_Click(int)
{
    OfferInsertion();
    if (!Text1(CurrentArea).text().isEmpty())
        Locked[CurrentArea][CurrentPupil] = 1;
    ShowHandEdit();
}

void Kompetenzen::ShowHandEdit()
{
    Command4.setEnabled(true);
    Command4.setBackColor(ColourTable[9]);
    Command3.setCaption(QStringLiteral("Alle Eingaben beenden"));
    ShowAreaOrLock();
}

void Kompetenzen::Command2_Click() { SaveAll(); }

void Kompetenzen::Command3_Click() { LeaveWindow(); }

void Kompetenzen::Command4_Click()
{
    ClearCurrentEntry();
    ResetColours();
    ColourSelections();
    Command4.setBackColor(ColourTable[8]);
    Command4.setEnabled(false);
}

void Kompetenzen::ClearCurrentEntry()
{
    if (CurrentArea == 0) {
        ChoiceIndex[1][CurrentPupil] = 0;
        Check1.forEach([](int, CheckBox& b) { b.setValue(false); });
        SportsPart[CurrentPupil].clear();
        InterestPart[CurrentPupil].clear();
        Option1(0).setValue(true);
    } else if (CurrentArea == 7) {
        for (int group : {21, 23}) {
            ClearGroup(group);
            OptionGroup(group).forEach([](int, OptionButton& b) { b.setValue(false); });
        }
        for (auto& part : Check2Part)
            part[CurrentPupil].clear();
        for (auto& part : Check3Part)
            part[CurrentPupil].clear();
        for (ControlArray<CheckBox>* boxes : {&Check1, &Check2, &Check3})
            boxes->forEach([](int, CheckBox& b) { b.setValue(false); });
    } else {
        for (const OptionGroupRule& rule : OptionGroupRules())
            if (rule.area == CurrentArea)
                ClearGroup(rule.number);
    }
    AreaText[CurrentArea][CurrentPupil].clear();
    Text1(CurrentArea).setText(QString());
    Locked[CurrentArea][CurrentPupil] = 0;
    ShowAreaOrLock();
}

void Kompetenzen::ClearGroup(int group)
{
    ChoiceIndex[group][CurrentPupil] = 0;
    PartText[group][CurrentPupil].clear();
}

} // namespace zt
