#pragma once
#include "CompositionWindow.h"
#include "core/CompetenceBlocks.h"
#include <array>
#include <map>
#include <memory>
#include <vector>

namespace zt {

// The interests, competences and remarks of every pupil of grades 1 and 2: eight areas, each
// composed from the choices of its groups and edited by hand.
class Kompetenzen : public CompositionWindow {
public:
    Kompetenzen();

    void Form_Load() override;
    void LeaveByOwnButton() override;

    static constexpr int Areas = 8;

    Label Label1{*this, QStringLiteral("Zeugnistexte für Interessen, Kompetenzen, Bemerkungen  - 1. und 2. Schuljahr für Klasse:")};
    Label Label2{*this};
    Label Label6{*this, QStringLiteral("  In den quadratischen  Feldern ist eine Mehrfachauswahl möglich !")};
    Label Label7{*this, QStringLiteral("Wählen Sie bitte einen Namen aus der Liste aus!")};
    ControlArray<CommandButton> Command1;
    ControlArray<TextBox> Text1;
    CommandButton Command2{*this, QStringLiteral("Alle Texte speichern")};
    CommandButton Command3{*this, QStringLiteral("Abbrechen")};
    CommandButton Command4{*this, QStringLiteral("Aktuelle Eingabe neu")};
    ControlArray<Frame> Frame1;

private:
    // The area frames exist before the labels that lie in them.
    bool AreaFramesMade = MakeAreaFrames();
    bool MakeAreaFrames();

public:
    Label Label3{Frame1(0)};
    Label Label4{Frame1(3)};
    Label Label5{Frame1(7)};
    Label Label8{Frame1(3)};
    Label Label9{Frame1(3)};
    Label Label10{Frame1(3)};
    Label Label11{Frame1(4)};
    Label Label12{Frame1(4)};
    Label Label13{Frame1(4)};
    Label Label14{Frame1(4)};
    Label Label15{Frame1(4)};
    Label Label17{Frame1(5)};
    Label Label18{Frame1(5)};
    Label Label19{Frame1(5)};
    Label Label20{Frame1(5)};
    Label Label21{Frame1(5)};
    Label Label22{Frame1(6)};
    Label Label23{Frame1(6)};
    Label Label24{Frame1(6)};
    Label Label25{Frame1(6)};
    Label Label26{Frame1(6)};
    Label Label27{Frame1(6)};
    ControlArray<OptionButton> Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9, Option10,
        Option11, Option12, Option13, Option14, Option15, Option16, Option17, Option18, Option19, Option20, Option21,
        Option23, Option24, Option25, Option26, Option27, Option28, Option29, Option30, Option31, Option32, Option33,
        Option34, Option35, Option44, Option45;
    ControlArray<CheckBox> Check1, Check2, Check3;
    // Laid over the area's choices while its text is edited by hand only.
    PictureBox Picture2{*this};

    void Combo1_Click() override;
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Text1_Click(int Index);
    void Option1_Click(int Index);
    void Option21_Click(int Index);
    void Option23_Click(int Index);
    void Option35_Click(int Index);
    // Every other option group: records the part of the clicked element and composes its area.
    void OptionGroup_Click(int group, int Index);
    void Check1_Click(int Index);
    void Check2_Click(int Index);
    void Check3_Click(int Index);

    ControlArray<OptionButton>& OptionGroup(int number) const;

private:
    TextBox& AreaBox(int area) override { return Text1(area); }
    void createControls();
    void MakeAreaChoices(int area);
    void PlaceChoices(int area);
    Label* GroupLead(int group);
    int PlaceGroup(int group, int left, int top, int width);
    void LoadTextBlocks();
    void LoadStore() override;
    void SetCaptions();
    void SetAreaLabels();
    void ResetAreaButtons();
    void ShowAreaFrame();
    void ShowAreaOrLock();
    void ShowHandEdit() override;
    void ClearCurrentEntry();
    void ClearGroup(int group);
    void BuildAgSentence();
    void ResetColours();
    void ColourSelections();
    void RecordPart(int group, int Index);
    void ComposeInterests();
    void ComposeAreaText(int area);
    void ComposeRemarks();
    void FinishComposition(int area, const QString& WorkText);
    Label* LeadLabel(int number) const;
    static int BoxesShownWith(int area);
    bool Chosen(int group) const;

    int Grade = 0;
    int HalfYear = 0;
    int FirstSelectionDone = 0;
    std::array<Colour, 11> ColourTable{};
    CompetenceBlocks Blocks;

    // The choice state, per option group (by its number) and pupil slot; never stored.
    std::map<int, PerPupil<int>> ChoiceIndex;
    std::map<int, PerPupil<QString>> PartText;
    std::array<PerPupil<QString>, 2> Check2Part;
    std::array<PerPupil<QString>, 8> Check3Part;
    PerPupil<QString> InterestPart;
    PerPupil<QString> SportsPart;

    std::map<int, ControlArray<OptionButton>*> OptionGroups;
    std::map<int, Label*> LeadLabels;
    // Each group in a box of its own, so that a choice in one leaves the others of its area alone.
    std::vector<std::unique_ptr<Frame>> GroupBoxes;
    std::map<int, Frame*> GroupBoxOf;
};

} // namespace zt
