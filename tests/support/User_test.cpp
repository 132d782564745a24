#include "platform/Form.h"
#include "TestProgram.h"
#include "User.h"
#include <gtest/gtest-spi.h>

using namespace zt;

namespace {
class Sample : public Form {
public:
    Sample() : Form(QStringLiteral("Sample"))
    {
        resize(6000, 4000);
        Frame1.move(0, 0, 3000, 1500);
        Option1.move(120, 300, 2700, 300);
        Check1.move(0, 1800, 5000, 300);
        Command1.move(0, 2400, 1500, 400);
    }
    Frame Frame1{*this, QStringLiteral("Rahmen")};
    OptionButton Option1{Frame1, QStringLiteral("a")};
    CheckBox Check1{*this, QStringLiteral("b")};
    CommandButton Command1{*this, QStringLiteral("OK")};
};

class UserTest : public test::TestProgram {
protected:
    Sample form;
};
} // namespace

TEST_F(UserTest, AClickHitsTheIndicatorOfAWideOptionOrCheckBox)
{
    int clicks = 0;
    form.Option1.Click = [&] { ++clicks; };
    form.Check1.Click = [&] { ++clicks; };
    User::click(form.Option1);
    User::click(form.Check1);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(form.Option1.value());
    EXPECT_TRUE(form.Check1.value());
}

TEST_F(UserTest, ActingOnAControlTheTeacherCannotReachFailsTheTest)
{
    int clicks = 0;
    form.Command1.Click = [&] { ++clicks; };
    form.Option1.Click = [&] { ++clicks; };
    form.Command1.setEnabled(false);
    EXPECT_NONFATAL_FAILURE(User::click(form.Command1), "click on a disabled control");
    form.Command1.setEnabled(true);
    form.Command1.setVisible(false);
    EXPECT_NONFATAL_FAILURE(User::dblClick(form.Command1), "double-click on a hidden control");
    // The frame around it decides as well.
    form.Frame1.setEnabled(false);
    EXPECT_NONFATAL_FAILURE(User::click(form.Option1), "click on a disabled control");
    form.Frame1.setEnabled(true);
    form.Frame1.setVisible(false);
    EXPECT_NONFATAL_FAILURE(User::click(form.Option1), "click on a hidden control");
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(form.Option1.value());
}
