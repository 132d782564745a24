#pragma once
#include "CompositionWindow.h"
#include "core/Grade34Blocks.h"
#include <array>
#include <initializer_list>

namespace zt {

// Support lessons and clubs, interests, and remarks of every pupil of grades 3 and 4: three areas,
// each composed from the choices of its groups and edited by hand.
class GSAGFI : public CompositionWindow {
public:
    static constexpr int Areas = 3;
    GSAGFI();

    Label Label1{*this, QStringLiteral("Eingabe von Förder, Arbeitsgemeinschaften, Interessen und Fähigkeiten und Bemerkungen")};
    Label Label5{*this};
    Label Label2{*this, QStringLiteral("Wählen Sie bitte einen Namen aus!")};
    Frame Frame1{*this, QStringLiteral("Förderteilnahme und Arbeitsgemeinschaften")};
    Frame Frame2{*this, QStringLiteral("Interessen")};
    Frame Frame3{*this, QStringLiteral("Bemerkungen und Versetzung")};
    TextBox Text1{*this, true};
    TextBox Text2{*this, true};
    TextBox Text3{*this, true};
    ControlArray<CommandButton> Command2;
    ControlArray<CommandButton> Command1;
    // The lock sign, laid over the choices while the area's text is edited by hand only.
    PictureBox Picture2{*this};

    // Area 0: the support sentence and the club sentences.
    Label Label3{Frame1, QStringLiteral("Förderteilnahme")};
    Label Label4{Frame1, QStringLiteral("AG")};
    Label Label8{Frame1, QStringLiteral("Bei den quadratischen Feldern sind Mehrfachauswahlen möglich. Ein Zweitklick löscht die Eingabe.")};
    ControlArray<Label> Label7;
    ControlArray<CheckBox> Check1;
    ControlArray<OptionButton> Option6;

    // Area 1: interests, sports badges and the cycling test.
    ControlArray<OptionButton> Option1;
    ControlArray<Label> Label16;
    ControlArray<CheckBox> Check3;

    // Area 2: grade deviation, lead remark, phrases, learning progress and promotion.
    Label Label10{Frame3, QStringLiteral("In den quadratischen  Feldern ist eine Mehrfachauswahl möglich ! Ein Zweitklick löscht die Eingabe.")};
    ControlArray<Label> Label9;
    ControlArray<CheckBox> Check2;
    ControlArray<CheckBox> Check5;
    Label Label6{Frame3};

private:
    // Each option group of the remarks in a box of its own, so that a choice in one leaves the
    // others alone.
    Frame LeadBox{static_cast<ControlParent&>(Frame3)};
    Frame ProgressBox{static_cast<ControlParent&>(Frame3)};
    Frame PromotionBox{static_cast<ControlParent&>(Frame3)};

public:
    ControlArray<OptionButton> Option2;
    ControlArray<OptionButton> Option3;
    ControlArray<OptionButton> Option4;

    void Form_Load() override;
    void LeaveByOwnButton() override;
    void Combo1_Click() override;
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Text1_Click();
    void Text2_Click();
    void Text3_Click();
    void Check1_Click(int Index);
    void Option6_Click(int Index);
    void Option1_Click(int Index);
    void Check3_Click(int Index);
    void Check2_Click(int Index);
    void Option2_Click(int Index);
    void Check5_Click(int Index);
    void Option3_Click(int Index);
    void Option4_Click(int Index);

private:
    TextBox& AreaBox(int area) override;
    Frame& AreaFrame(int area);
    void createControls();
    void LoadTextBlocks();
    void SetCaptions();
    void LoadStore() override;
    bool SaveAll() override;
    void ShowTexts();
    void ShowAreaOrLock();
    void ShowHandEdit() override;
    void UpdateNewButton();
    void TextBoxClicked(int area);
    void ClearAllControls();
    static void ClearChoices(std::initializer_list<ControlArray<OptionButton>*> groups,
                             std::initializer_list<ControlArray<CheckBox>*> boxes);
    void ClearCurrentEntry();
    void RememberSelections();
    void ColourSelections();
    void BuildAgSentence();
    void ComposeText1();
    void ComposeText2();
    void ComposeText3();
    void FinishComposition(int area, const QString& WorkText);
    QString FirstName() const;

    int Grade = 0;
    int HalfYear = 0;
    std::array<Colour, 9> ColourTable{};
    Grade34Blocks Blocks;

    // The parts the area texts are composed from; never stored.
    PerPupil<QString> SupportPart;
    PerPupil<QString> ClubPart;
    PerPupil<QString> InterestPart;
    PerPupil<QString> SportsPart;
    PerPupil<QString> DeviationPart;
    PerPupil<QString> RemarkPhrases;
    PerPupil<QString> PromotionPart;
    QString LeadPart;
    QString ProgressPart;

    // The choices of the current pupil: of an option group the chosen index + 1 (0 for none), of
    // a phrase box its tick.
    struct Choices {
        int option1 = 0;
        int option2 = 0;
        int option3 = 0;
        int option4 = 0;
        int option6 = 0;
        std::array<int, 5> check5{};
    };
    PerPupil<Choices> ChoiceMemory{};
};

} // namespace zt
