#pragma once
#include "CompositionWindow.h"
#include "core/TextBlockFiles.h"
#include <array>

namespace zt {

// The work and social behaviour texts of every pupil, composed from the prepared formulations
// and edited by hand.
class GsArbeitsverhalten : public CompositionWindow {
public:
    GsArbeitsverhalten();

    void Form_Load() override;
    void LeaveByOwnButton() override;

    Label Label1{*this, QStringLiteral("Zeugnistexte für Arbeits- und Sozialverhalten  -  für Klasse:")};
    Label Label2{*this};
    Label Label3{*this, QStringLiteral("Wählen Sie aus der Namensliste das Kind aus, dessen Zeugnis Sie erstellen möchten!")};
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

    void Combo1_Click() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click(int Index);
    void Option1_Click(int Index);
    void Text1_Click(int Index);
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

private:
    TextBox& AreaBox(int area) override { return Text1(area); }
    void createControls();
    void LoadAvBlocks();
    void LoadSvBlocks();
    void LoadStore() override;
    void ClearStoredChoices() override;
    void WriteChoiceFields(RecordWriter& w, int slot) const;
    void ShowAreaOrLock();
    void ShowHandEdit() override;
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

    // The text box, text and lock of each area.
    static constexpr int Av = 0;
    static constexpr int Sv = 1;

    int CurrentCategory = 0;
    int CurrentOption = 0;
    std::array<Colour, 11> ColourTable{};

    PerPupil<std::array<int, AvCategories>> AvChoices{};
    PerPupil<std::array<int, SvCategories>> SvChoices{};

    BehaviourArea AvBlocks{AvCategories, BlockLineSlots};
    BehaviourArea SvBlocks{SvCategories, BlockLineSlots};
    std::array<QString, AvCategories> AvParts;
    std::array<QString, SvCategories> SvParts;
};

} // namespace zt
