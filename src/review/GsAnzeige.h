#pragma once
#include "core/ReviewData.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include <array>

namespace zt {

// The stored report texts of the whole class, restricted to the ticked parts, as one read-only
// text that can be handed to Word.
class GsAnzeige : public Form {
public:
    GsAnzeige();

    void Form_Load() override;
    void LeaveByOwnButton() override;

    Label Label2{*this};
    Label Label1{*this, QStringLiteral("Wählen Sie unten die anzuzeigenden Inhalte aus!")};
    Frame Frame1{*this};
    ControlArray<CheckBox> Check1;
    ControlArray<CommandButton> Command1;
    CommandButton Command8{*this};
    TextBox Text1{*this, true};

    void Check1_Click(int Index);
    void Command1_Click(int Index);
    void Command8_Click();

private:
    void createControls();
    void BuildDisplay();
    void AddDisplayHeader();
    void CopyDisplayToClipboard();
    bool AnyTicked() const;

    ReviewData Data;
    std::array<int, ReviewPartCount> Ticked{};
    QString Body;
};

} // namespace zt
