#pragma once
#include "core/TextBlockFiles.h"
#include "EditorSkeleton.h"
#include "platform/ControlArray.h"
#include <vector>

namespace zt {

// The editor of the grade 1 and 2 text blocks ("Änderung der Texte 1 und 2"): interests, the
// German and mathematics competences, remarks and promotion, with the lead-ins of the areas.
class GSAenderung12 : public TextBlockEditor {
public:
    GSAenderung12();

    void Form_Load() override;

    ControlArray<TextBox> Text29;
    CommandButton Command8{*this};
    ControlArray<CommandButton> Command3;
    ControlArray<CommandButton> Command2;
    ControlArray<CommandButton> Command1;
    Label Label4{*this};
    Frame Frame1{*this};
    Frame Frame2{*this};
    Frame Frame3{*this};
    Frame Frame4{*this};
    Frame Frame5{*this};
    Frame Frame6{*this};
    Frame Frame7{*this};
    Frame Frame8{*this};
    ControlArray<TextBox> Text1;
    ControlArray<TextBox> Text2;
    ControlArray<TextBox> Text3;
    ControlArray<TextBox> Text4;
    ControlArray<TextBox> Text5;
    ControlArray<TextBox> Text6;
    ControlArray<TextBox> Text7;
    ControlArray<TextBox> Text8;
    ControlArray<Label> Label2;
    Label Label3{*this};

    void Command3_Click(int Index);
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Command8_Click();

private:
    void createControls();
    void layOutArea(int area);
    std::vector<BoxRun> BoxRuns() override;
    // In the order the loader reads them: interests, speaking, reading, writing, mathematics,
    // remarks, promotion, lead-ins.
    std::vector<TableFile> TableFiles() override;
    // "1" for a class of grade 1, "2" for every other: the set that is loaded and saved.
    QString GradeSet() const;
    Frame& AreaFrame(int area);
    ControlArray<TextBox>& AreaBoxes(int area);
    void ShowArea(int area, const QString& hint);

    BlockTable InterestLines{1, 21};
    BlockTable SpeakingColumns{3, 11};
    BlockTable ReadingColumns{6, 11};
    BlockTable WritingColumns{6, 11};
    BlockTable MathColumns{18, 11};
    BlockTable RemarkColumns{3, 11};
    BlockTable PromotionLines{1, 11};
    BlockTable LeadInLines{1, 31};
};

} // namespace zt
