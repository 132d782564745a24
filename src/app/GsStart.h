#pragma once
#include "core/ClassData.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include <QByteArray>
#include <array>
#include <optional>

namespace zt {

// The start page: the hub from which every other window is opened.
class GsStart : public Form {
public:
    GsStart();

    void Form_Load() override;
    void Form_Activate() override;
    void LeaveByOwnButton() override;

    ControlArray<CommandButton> Command1;
    CommandButton Command2{*this};
    CommandButton Command3{*this};
    CommandButton Command4{*this};
    CommandButton Command5{*this};
    CommandButton Command6{*this};
    CommandButton Command7{*this};
    CommandButton Command8{*this};
    ControlArray<CommandButton> Command9;
    ControlArray<Label> Label1;
    Label Label2{*this};
    Label Label3{*this};
    Label Label4{*this};
    Label Label5{*this};
    Label Label6{*this};
    PictureBox Picture2{*this};
    PictureBox Picture1{*this};
    Timer Timer1{*this};

    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click(int index);
    void Picture1_Click();
    void Picture1_DblClick();
    void Timer1_Timer();

    const QString& currentFrame() const { return currentFrame_; }

private:
    void createControls();
    void LoadStartData();
    void TakeChangedStartData();
    void ShowGradeEntries();
    void ShowTeacherPhoto();
    void AnimateStep();
    void checkClassAndHalfYear();
    bool ClassValuesUsable();
    void showWindowsOf(int index);

    ClassData classData_;
    // The files the class values were read from, as they were then.
    std::array<std::optional<QByteArray>, 2> classSource_;
    QString currentFrame_;
    QString teacherPhotoName_;
};

} // namespace zt
