#pragma once
#include "core/PupilStores.h"
#include "core/TextBlockFiles.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include <array>

namespace zt {

inline const PupilStore AvSvTextStore{QStringLiteral("AVSVspeicher")};
inline const PupilStore AvSvChoiceStore{QStringLiteral("AVSVWahl")};

// The work and social behaviour texts of every pupil, composed from the prepared formulations
// and edited by hand.
class GsArbeitsverhalten : public Form {
public:
    GsArbeitsverhalten();

    void Form_Load() override;
    void LeaveByOwnButton() override;
    bool QueryUnload() override;

    Label Label1{*this, QStringLiteral("Zeugnistexte für Arbeits- und Sozialverhalten  -  für Klasse:")};
    Label Label2{*this};
    Label Label3{*this, QStringLiteral("Wählen Sie aus der Namensliste das Kind aus, dessen Zeugnis Sie erstellen möchten!")};
    ComboBox Combo1{*this, QStringLiteral("Namensliste")};
    PictureBox Picture1{*this};
    CommandButton Command1{*this, QStringLiteral("Arbeitsverhalten")};
    CommandButton Command2{*this, QStringLiteral("Sozialverhalten")};
    ControlArray<CommandButton> Command3;
    Frame Frame1{*this};
    ControlArray<OptionButton> Option1;
    PictureBox Picture4{*this};
    ControlArray<TextBox> Text1;
    CommandButton Command4{*this, QStringLiteral("Alle Texte speichern")};
    CommandButton Command5{*this, QStringLiteral("Abbrechen")};
    CommandButton Command6{*this, QStringLiteral("Aktuelle Eingaben neu")};
    ControlArray<CommandButton> Command7;
    CommandButton Command8{*this};

    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click(int Index);
    void Option1_Click(int Index);
    void Text1_Click(int Index);
    void Text1_LostFocus(int Index);
    void Text1_DblClick(int Index);
    void Text1_KeyPress(int Index, int& KeyAscii);
    void Text1_Change(int Index);
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click(int Index);
    void Command8_Click();

private:
    void createControls();
    void LoadNames();
    void LoadAvBlocks();
    void LoadSvBlocks();
    void LoadStore();
    void ConfirmRecreateStores();
    void ResetStores();
    bool SaveAll();
    bool WriteTextStore();
    bool WriteChoiceStore();
    void WriteTextFields(RecordWriter& w, int slot) const;
    void WriteChoiceFields(RecordWriter& w, int slot) const;
    // The stores as saving would write them, and as they were read or last written: input that
    // differs is what the main menu must not drop without asking.
    QString StoreTexts() const;
    bool HoldsUnsavedInput() const;
    QString SavedStoreTexts;
    void EnableSaving();
    void BuildPictureNames();
    void ShowAreaOrLock();
    void UpdateTextPresentFlags();
    void ResetAvChoices();
    void ResetSvChoices();
    void ClearOptionValue();
    void OpenArea(int area);
    void LayOutCategoryButtons(int categories);
    void ShowOptions();
    void ColourOptions();
    void ResetCategoryButtons();
    void MarkCategoryButton();
    void ColourCategoryButtons();
    void RecordChoice();
    void ComposeAvText();
    void ComposeSvText();
    void ApplyAvPlaceholders();
    void ApplySvPlaceholders();
    const BehaviourArea& currentBlocks() const;
    int currentChoice() const;
    bool currentAreaLocked() const;

    int CurrentArea = 0;
    int CurrentPupil = 0;
    int CurrentCategory = 0;
    int CurrentOption = 0;
    int Saved = 0;
    // Asked once per load: a store rebuilt from the list must not lead to the question again.
    bool RecreateAsked = false;
    // A damaged pupil list would write its gaps and cut-off class into every key.
    bool StoresWritable = true;
    int PupilCount = 0;
    QString ClassName;
    std::array<Colour, 11> ColourTable{};

    StudentList Pupils;
    PerPupil<QString> PictureNames;
    PerPupil<QString> AvTexts;
    PerPupil<QString> SvTexts;
    PerPupil<int> AvLocked{};
    PerPupil<int> SvLocked{};
    PerPupil<std::array<int, AvCategories>> AvChoices{};
    PerPupil<std::array<int, SvCategories>> SvChoices{};

    BehaviourArea AvBlocks{AvCategories, BlockLineSlots};
    BehaviourArea SvBlocks{SvCategories, BlockLineSlots};
    std::array<QString, AvCategories> AvParts;
    std::array<QString, SvCategories> SvParts;
};

} // namespace zt
