#pragma once
#include "core/TextBlockFiles.h"
#include "EditorSkeleton.h"
#include "platform/ControlArray.h"
#include <array>
#include <vector>

namespace zt {

// The editor of the grade 3 and 4 text blocks ("34Änderung"): support lessons and clubs,
// interests, and the remarks with grade deviation, learning progress and promotion.
class GSAenderung34 : public TextBlockEditor {
public:
    GSAenderung34();

    void Form_Load() override;

    ControlArray<TextBox> Text5;
    CommandButton Command8{*this};
    ControlArray<CommandButton> Command1;
    ControlArray<CommandButton> Command7;
    ControlArray<CommandButton> Command2;
    Label Label5{*this};
    Frame Frame1{*this};
    Frame Frame2{*this};
    Frame Frame3{*this};
    ControlArray<TextBox> Text1;
    ControlArray<TextBox> Text2;
    ControlArray<TextBox> Text3;
    ControlArray<TextBox> Text4;
    Label Label2{*this};

    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Command7_Click(int Index);
    void Command8_Click();

private:
    void createControls();
    // Where a run of boxes stands in its frame: from a row of column 0 or 1 on, each box as high as
    // `rowsEach` rows; a wide run spans both columns.
    struct BoxPlace {
        int firstBox;
        int count;
        int column;
        int row;
        int rowsEach = 1;
        bool wide = false;
    };
    void placeBoxes(ControlArray<TextBox>& boxes, Frame& frame, const BoxPlace& place);
    std::vector<BoxRun> BoxRuns() override;
    // In the order of reading and writing; the promotion file of the other grade has no table.
    std::vector<TableFile> TableFiles() override;
    // 1 or 2 for the half-year "1" or "2", else 0: the column of the half-year's cells.
    int HalfYearColumn() const;
    void LockBoxesWithoutCell();
    std::array<Frame*, 3> AreaFrames();

    // One column each: Förder34.Txt, Zensurabweichung.Txt, Interessen34.Txt and AG.Txt.
    BlockTable SupportLines{1, 11}, DeviationLines{1, 11}, InterestLines{1, 16}, ClubLines{1, 3};
    // The grade's Versetzung file, a column for each half-year.
    BlockTable PromotionColumns{2, 11};
    BlockTable RemarkColumns{4, 6};
};

} // namespace zt
