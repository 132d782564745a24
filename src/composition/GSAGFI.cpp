#include "GSAGFI.h"

namespace zt {

void GSAGFI::Form_Load()
{
    ColourTable = {0xC0FFC0, 0x8080FF, 0xFFFF, 0xFFFFC0, 0xC0FFFF, 0x80FF80, 0xC0C0C0, 0xFF, 0xFFFFFF};
    LoadNames();
    if (LeaveWithoutPupils())
        return;
    Grade = GradeOfClass(ClassName);
    Label5.setCaption(ClassName);
    Command1(1).setBackColor(ColourTable[1]);
    Command1(1).setEnabled(true);
    Combo1.setLeft(2700);
    Combo1.setTop(2800);
    LoadTextBlocks();
    SetCaptions();
    LoadStore();
    ShowTexts();
    RememberSavedStores();
}

void GSAGFI::LeaveByOwnButton() { Command1_Click(1); }

void GSAGFI::LoadTextBlocks()
{
    Blocks = Grade34Blocks::load(Grade);
    BaseData = loadBaseData(9).value_or(BaseDataRecord{});
    HalfYear = BaseData.HalfYear.trimmed().toInt();
}

// Captions as read: a blank at either end is the teacher's.
void GSAGFI::SetCaptions()
{
    Label7(0).setCaption(Blocks.support.cell(0, 1));
    Label7(1).setCaption(Blocks.support.cell(7, 1));
    Check1.forEach([this](int k, CheckBox& b) { b.setCaption(Blocks.support.cell(k + 1, 1)); });
    Option6(2).setCaption(Blocks.clubs.cell(0, 1));
    Option6(3).setCaption(Blocks.clubs.cell(1, 1));
    Option1.forEach([this](int k, OptionButton& b) { b.setCaption(Blocks.interests.cell(k, 1)); });
    Check2.forEach([this](int k, CheckBox& b) { b.setCaption(Blocks.deviation.cell(k, 1)); });
    Label9(0).setCaption(Blocks.deviation.cell(3, 1));
    Option2.forEach([this](int k, OptionButton& b) { b.setCaption(Blocks.remarks.cell(k, 1)); });
    Check5.forEach([this](int k, CheckBox& b) { b.setCaption(Blocks.remarks.cell(k, 2)); });
    Option3.forEach([this](int k, OptionButton& b) { b.setCaption(Blocks.remarks.cell(k, 3)); });
    Label6.setCaption(Blocks.remarks.cell(0, 4));
    if (HalfYear == 1 || HalfYear == 2) {
        Label9(1).setCaption(Blocks.deviation.cell(3 + HalfYear, 1));
        Option4.forEach([this](int k, OptionButton& b) { b.setCaption(Blocks.promotion.cell(k, HalfYear)); });
    }
    UpdateNewButton();
}

void GSAGFI::LoadStore()
{
    ReadAreaStores();
}

// A text in the store is edited by hand from then on.
bool GSAGFI::SaveAll()
{
    for (int area = 0; area < Areas; ++area)
        for (int slot = 0; slot < PupilCount; ++slot)
            if (!AreaText[area][slot].isEmpty())
                Locked[area][slot] = 1;
    return CompositionWindow::SaveAll();
}

void GSAGFI::ShowTexts()
{
    ShowAreaTexts();
    if (!Label2.visible())
        UpdateNewButton();
}

QString GSAGFI::FirstName() const { return Pupils.Slots[CurrentPupil].FirstName; }

void GSAGFI::Combo1_Click()
{
    for (int area = 0; area < Areas; ++area)
        Command2(area).setEnabled(true);
    Label2.setCaption(QStringLiteral("Klicken Sie oben auf den Bereich, den Sie bearbeiten wollen!"));
    Picture2.setVisible(false);
    CurrentPupil = Combo1.listIndex();
    ClearAllControls();
    BuildPictureNames();
    ShowStudentPicture();
    BuildAgSentence();
    ShowTexts();
    for (int area = 0; area < Areas; ++area)
        Locked[area][CurrentPupil] = AreaBox(area).text().isEmpty() ? 0 : 1;
    if (!Label2.visible())
        ShowAreaOrLock();
}

// Unticking and clearing run no click: a pupil's support, club and sports parts stay.
void GSAGFI::ClearAllControls()
{
    ClearChoices({&Option4, &Option3, &Option2, &Option1, &Option6}, {&Check1, &Check3, &Check5, &Check2});
    ChoiceMemory[CurrentPupil] = Choices{};
    InterestPart[CurrentPupil].clear();
    DeviationPart[CurrentPupil].clear();
    RemarkPhrases[CurrentPupil].clear();
    PromotionPart[CurrentPupil].clear();
    LeadPart.clear();
    ProgressPart.clear();
    for (int area = 0; area < Areas; ++area)
        AreaBox(area).setText(QString());
    ColourSelections();
}

void GSAGFI::ClearChoices(std::initializer_list<ControlArray<OptionButton>*> groups,
                          std::initializer_list<ControlArray<CheckBox>*> boxes)
{
    for (ControlArray<OptionButton>* group : groups)
        group->forEach([](int, OptionButton& b) { b.setValue(false); });
    for (ControlArray<CheckBox>* group : boxes)
        group->forEach([](int, CheckBox& b) { b.setValue(false); });
}

void GSAGFI::Command2_Click(int Index)
{
    CurrentArea = Index;
    ColourSelections();
    Label2.setVisible(false);
    EnableSaving(Command1(0));
    for (int area = 0; area < Areas; ++area)
        Command2(area).setBackColor(ColourTable[6]);
    Combo1.setLeft(8760);
    Combo1.setTop(600);
    for (int area = 0; area < Areas; ++area) {
        AreaFrame(area).setVisible(area == CurrentArea);
        AreaBox(area).setVisible(area == CurrentArea);
    }
    ShowTexts();
    ShowAreaOrLock();
    UpdateNewButton();
    Command2(Index).setBackColor(AreaFrame(Index).backColor());
}

// The remarks can always be cleared, locked or not.
void GSAGFI::ShowAreaOrLock()
{
    const bool locked = Locked[CurrentArea][CurrentPupil] == 1;
    Picture2.setVisible(locked);
    AreaFrame(CurrentArea).setEnabled(!locked);
    if (locked || CurrentArea == 2)
        Command1(2).setEnabled(true);
}

void GSAGFI::UpdateNewButton()
{
    const bool text = !AreaBox(CurrentArea).text().isEmpty();
    Command1(2).setEnabled(text);
    Command1(2).setBackColor(ColourTable[text ? 5 : 8]);
}

void GSAGFI::Text1_Click() { TextBoxClicked(0); }
void GSAGFI::Text2_Click() { TextBoxClicked(1); }
void GSAGFI::Text3_Click() { TextBoxClicked(2); }

void GSAGFI::TextBoxClicked(int area)
{
    Locked[area][CurrentPupil] = AreaBox(area).text().isEmpty() ? 0 : 1;
    ShowHandEdit();
    OfferInsertion();
}

// The colour of "Aktuelle Eingabe neu" follows the text; the lock may enable it beyond that.
void GSAGFI::ShowHandEdit()
{
    UpdateNewButton();
    ShowAreaOrLock();
    Command1(1).setCaption(QStringLiteral("Alle Eingaben beenden"));
}

void GSAGFI::Command1_Click(int Index)
{
    switch (Index) {
    case 0:
        SaveAll();
        break;
    case 1:
        LeaveWindow();
        break;
    case 2:
        ClearCurrentEntry();
        Locked[CurrentArea][CurrentPupil] = 0;
        ShowAreaOrLock();
        UpdateNewButton();
        break;
    }
}

void GSAGFI::ClearCurrentEntry()
{
    Choices& remembered = ChoiceMemory[CurrentPupil];
    switch (CurrentArea) {
    case 0:
        ClearChoices({&Option6}, {&Check1});
        remembered.option6 = 0;
        SupportPart[CurrentPupil].clear();
        ClubPart[CurrentPupil].clear();
        break;
    case 1:
        ClearChoices({&Option1}, {&Check3});
        remembered.option1 = 0;
        InterestPart[CurrentPupil].clear();
        SportsPart[CurrentPupil].clear();
        break;
    case 2:
        ClearChoices({&Option2, &Option3, &Option4}, {&Check2, &Check5});
        remembered.option2 = remembered.option3 = remembered.option4 = 0;
        remembered.check5 = {};
        LeadPart.clear();
        ProgressPart.clear();
        RemarkPhrases[CurrentPupil].clear();
        DeviationPart[CurrentPupil].clear();
        PromotionPart[CurrentPupil].clear();
        break;
    }
    AreaText[CurrentArea][CurrentPupil].clear();
    AreaBox(CurrentArea).setText(QString());
    ColourSelections();
}

} // namespace zt
