#include "Looks.h"
#include "platform/Form.h"
#include "TestProgram.h"

using namespace zt;

namespace {
const QString Formulation =
    QStringLiteral("Anna erfasst den Inhalt auch längerer Texte sicher und gibt ihn mit eigenen Worten wieder.");

class Sample : public Form {
public:
    Sample() : Form(QStringLiteral("Sample"))
    {
        resize(9000, 6000);
        Frame1.move(0, 0, 6000, 3000);
    }
    Frame Frame1{*this, QStringLiteral("Rahmen")};
    OptionButton Option1{Frame1, Formulation};
    CheckBox Check1{*this, Formulation};
    Label Label1{*this, Formulation};
    TextBox Text1{*this};
};

class LooksTest : public test::TestProgram {
protected:
    Sample form;
};
} // namespace

// A caption that wraps needs its lines in the control's height; a one-line box needs its whole
// text in its width; a frame must not cut the control off.
TEST_F(LooksTest, ShowsWholeTextFindsWhatIsCutOff)
{
    form.Option1.move(120, 300, 5700, 300);
    EXPECT_FALSE(test::showsWholeText(form.Option1));
    form.Option1.setHeight(300 * form.Option1.captionLines());
    EXPECT_TRUE(test::showsWholeText(form.Option1));
    form.Option1.setTop(2700);
    EXPECT_FALSE(test::showsWholeText(form.Option1));

    form.Check1.move(0, 3100, 9000, 300);
    EXPECT_TRUE(test::showsWholeText(form.Check1));
    form.Check1.setWidth(3000);
    EXPECT_FALSE(test::showsWholeText(form.Check1));

    form.Label1.move(0, 3600, 4500, 300);
    EXPECT_FALSE(test::showsWholeText(form.Label1));
    form.Label1.setHeight(900);
    EXPECT_TRUE(test::showsWholeText(form.Label1));

    form.Text1.setText(Formulation);
    form.Text1.move(0, 4800, 4500, 360);
    EXPECT_FALSE(test::showsWholeText(form.Text1));
    form.Text1.setWidth(9000);
    EXPECT_TRUE(test::showsWholeText(form.Text1));
}
