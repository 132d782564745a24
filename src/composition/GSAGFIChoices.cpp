// The choice groups of the grade 3/4 window: what a click records, how each area's text is
// composed from the recorded parts, and how the chosen controls are marked.
#include "core/ClubSentence.h"
#include "core/CompetenceComposition.h"
#include "core/Grade34Composition.h"
#include "GSAGFI.h"

namespace zt {

namespace {
QStringList TickedCaptions(const ControlArray<CheckBox>& boxes)
{
    QStringList captions;
    boxes.forEach([&](int, CheckBox& b) { captions << (b.value() ? b.caption() : QString()); });
    return captions;
}
} // namespace

void GSAGFI::BuildAgSentence()
{
    Option6(0).setCaption(zt::BuildAgSentence(FirstName(), ClubNames(CurrentPupil)));
    Option6(1).setCaption(BuildAgHeading(ClubNames(CurrentPupil)));
}

void GSAGFI::RememberSelections()
{
    Choices& remembered = ChoiceMemory[CurrentPupil];
    auto remember = [](const ControlArray<OptionButton>& group, int& choice) {
        group.forEach([&](int k, OptionButton& b) {
            if (b.value())
                choice = k + 1;
        });
    };
    remember(Option1, remembered.option1);
    remember(Option2, remembered.option2);
    remember(Option4, remembered.option4);
    remember(Option6, remembered.option6);
    Check5.forEach([&](int k, CheckBox& b) { remembered.check5[k] = b.value() ? 1 : 0; });
}

void GSAGFI::Check1_Click(int)
{
    SupportPart[CurrentPupil] = ListSentence(Label7(0).caption(), TickedCaptions(Check1), Label7(1).caption());
    ComposeText1();
    ColourSelections();
}

void GSAGFI::Option6_Click(int Index)
{
    RememberSelections();
    ClubPart[CurrentPupil] = Option6(Index).caption();
    ColourSelections();
    ComposeText1();
}

void GSAGFI::Option1_Click(int Index)
{
    RememberSelections();
    InterestPart[CurrentPupil] = zt::InterestPart(FirstName(), Index, Option1(Index).caption());
    ColourSelections();
    ComposeText2();
}

// The sports boxes carry no marks.
void GSAGFI::Check3_Click(int)
{
    RememberSelections();
    QStringList sentences;
    Check3.forEach([&](int k, CheckBox& b) {
        if (b.value())
            sentences << Blocks.sports.cell(k, 1);
    });
    SportsPart[CurrentPupil] = zt::SportsPart(sentences);
    ComposeText2();
}

void GSAGFI::Check2_Click(int)
{
    RememberSelections();
    DeviationPart[CurrentPupil] = ListSentence(Label9(0).caption(), TickedCaptions(Check2), Label9(1).caption());
    ComposeText3();
    ColourSelections();
}

// A lead remark opens the phrases.
void GSAGFI::Option2_Click(int Index)
{
    RememberSelections();
    LeadPart = zt::LeadPart(Option2(Index).caption());
    ChoiceMemory[CurrentPupil].option2 = Index + 1;
    if (!LeadPart.isEmpty())
        Check5.forEach([](int, CheckBox& b) { b.setEnabled(true); });
    ColourSelections();
    ComposeText3();
}

// A phrase opens the learning progress.
void GSAGFI::Check5_Click(int)
{
    RememberSelections();
    QStringList phrases;
    Check5.forEach([&](int k, CheckBox& b) {
        phrases << (ChoiceMemory[CurrentPupil].check5[k] == 1 ? b.caption() : QString());
    });
    RemarkPhrases[CurrentPupil] = zt::RemarkPhrases(phrases);
    ComposeText3();
    Option3.forEach([](int, OptionButton& b) { b.setEnabled(true); });
    ColourSelections();
}

void GSAGFI::Option3_Click(int Index)
{
    ChoiceMemory[CurrentPupil].option3 = Index + 1;
    ProgressPart = zt::ProgressPart(Option3(Index).caption(), Label6.caption());
    ComposeText3();
    ColourSelections();
}

void GSAGFI::Option4_Click(int Index)
{
    RememberSelections();
    PromotionPart[CurrentPupil] = zt::PromotionPart(Option4(Index).caption());
    ColourSelections();
    ComposeText3();
}

void GSAGFI::ComposeText1()
{
    FinishComposition(0, zt::ComposeText1(SupportPart[CurrentPupil], ClubPart[CurrentPupil]));
}

void GSAGFI::ComposeText2()
{
    FinishComposition(1, ComposeInterests(InterestPart[CurrentPupil], SportsPart[CurrentPupil]));
}

void GSAGFI::ComposeText3()
{
    FinishComposition(2, zt::ComposeText3({DeviationPart[CurrentPupil], LeadPart, RemarkPhrases[CurrentPupil], ProgressPart,
                                           PromotionPart[CurrentPupil]}));
}

// Every composition replaces the area's text of the current pupil.
void GSAGFI::FinishComposition(int area, const QString& WorkText)
{
    AreaText[area][CurrentPupil] = SubstitutePlaceholders(WorkText);
    ShowTexts();
}

void GSAGFI::ColourSelections()
{
    const Colour green = ColourTable[5];
    const Colour white = ColourTable[8];
    auto mark = [&](Control& c, bool chosen) { c.setBackColor(chosen ? green : white); };
    auto markTicked = [&](const ControlArray<CheckBox>& boxes) {
        bool any = false;
        boxes.forEach([&](int, CheckBox& b) {
            mark(b, b.value());
            any = any || b.value();
        });
        return any;
    };
    auto markChoice = [&](const ControlArray<OptionButton>& group, int remembered) {
        group.forEach([&](int k, OptionButton& b) { mark(b, remembered == k + 1); });
    };

    const bool support = markTicked(Check1);
    markTicked(Check2);
    markTicked(Check5);
    Label7.forEach([&](int, Label& l) { mark(l, support); });
    Label9.forEach([&](int, Label& l) { mark(l, !DeviationPart[CurrentPupil].isEmpty()); });
    mark(Label6, !ProgressPart.isEmpty());
    const Choices& remembered = ChoiceMemory[CurrentPupil];
    markChoice(Option1, remembered.option1);
    markChoice(Option2, remembered.option2);
    markChoice(Option3, remembered.option3);
    markChoice(Option4, remembered.option4);
    markChoice(Option6, remembered.option6);
}

} // namespace zt
