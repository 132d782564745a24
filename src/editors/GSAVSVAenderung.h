#pragma once
#include "core/TextBlockFiles.h"
#include "EditorSkeleton.h"
#include "platform/ControlArray.h"

namespace zt {

// The editor of the work and social behaviour text blocks ("Textänderung AVSV").
class GSAVSVAenderung : public TextBlockEditor {
public:
    GSAVSVAenderung();

    void Form_Load() override;

    CommandButton Command2{*this};
    CommandButton Command3{*this};
    ControlArray<CommandButton> Command1;
    Label Label2{*this};
    TextBox Text1{*this};
    Label Label4{*this};
    ControlArray<Label> Label5;
    ControlArray<TextBox> Text2;
    ControlArray<CommandButton> Command7;
    ControlArray<CommandButton> Command4;
    ControlArray<CommandButton> Command8;
    Label Label3{*this};
    Line Line1{*this};

    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click(int Index);
    void Command7_Click(int Index);
    void Command8_Click(int Index);
    void Text1_KeyPress(int& KeyAscii);
    void Text1_Change();
    void Text2_KeyPress(int Index, int& KeyAscii);
    void Text2_Change(int Index);
    void Text2_DblClick(int Index);

    // For tests: the window's state as the teacher cannot see it.
    const BehaviourArea& avBlocks() const { return Av; }
    const BehaviourArea& svBlocks() const { return Sv; }

private:
    void createControls();
    void LoadAvBlocks();
    void LoadSvBlocks();
    void StoreEditorInArrays() override;
    std::vector<BlockFileText> SetFiles() override;
    void ShowAvCategory();
    void ShowSvCategory();
    void ShowAvLineColours();
    void ShowSvLineColours();
    void ShowCategory(const BehaviourArea& area, int category);
    void ShowLineColours(const BehaviourArea& area, int category);
    void SetCategoryCaptions();
    void StoreLineColours();
    void ShowCategoryHint();
    BehaviourArea* ShownBlocks(int& category);

    // A category file may fill one name slot more than either area has.
    static constexpr int CategorySlots = 8;
    BehaviourArea Av{AvCategories, CategorySlots};
    BehaviourArea Sv{SvCategories, CategorySlots};
    qint16 EditorArea = 0;
    qint16 AvCategory = 0;
    qint16 SvCategory = 0;
    qint16 ColourCounter = 0;
};

} // namespace zt
