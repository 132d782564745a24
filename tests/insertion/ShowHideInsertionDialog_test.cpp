#include "common/ClipboardInsertion.h"
#include "core/ActiveForm.h"
#include "insertion/Einfuegungen.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"

using namespace zt;

namespace {

// The show/hide pair as a work window carries it.
class WorkWindow : public Form {
public:
    explicit WorkWindow(HideMeans hide) : Form(QStringLiteral("Work"))
    {
        resize(6000, 2000);
        Command7.add(0, *this, QStringLiteral("Einfügung zeigen")).move(120, 120, 2400, 500);
        Command7.add(1, *this, QStringLiteral("Einfügung verbergen")).move(2640, 120, 2400, 500);
        Command7.Click = [this, hide](int i) { ShowHideInsertionDialog(i, Command7(0), Command7(1), hide); };
    }
    ControlArray<CommandButton> Command7;
};

class ShowHideInsertionDialogTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
        ASSERT_TRUE(writeActiveForm(BehaviourEntry));
    }

    void expectPair(const WorkWindow& w, bool showAvailable)
    {
        EXPECT_EQ(w.Command7(0).enabled(), showAvailable);
        EXPECT_EQ(w.Command7(0).backColor(), showAvailable ? Colours::LightGreen : Colours::White);
        EXPECT_EQ(w.Command7(1).enabled(), !showAvailable);
        EXPECT_EQ(w.Command7(1).backColor(), showAvailable ? Colours::White : Colours::LightGreen);
    }

    Einfuegungen* dialog() const { return registry.find<Einfuegungen>(WindowNames::Insertion); }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(ShowHideInsertionDialogTest, HideKeepsTheDialogLoadedWithItsList)
{
    WorkWindow work(HideMeans::Hide);
    registry.Load(WindowNames::Insertion);
    User::click(work.Command7(0));
    expectPair(work, false);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->shown());
    clipboard->setText(QStringLiteral("<Vorname>"));
    User::click(work.Command7(1));
    expectPair(work, true);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_FALSE(dialog()->shown());
    EXPECT_EQ(dialog()->List1.listCount(), 12);
    EXPECT_EQ(clipboard->text(), QString());
}

TEST_F(ShowHideInsertionDialogTest, UnloadVariantLoadsAnewOnShow)
{
    WorkWindow work(HideMeans::Unload);
    User::click(work.Command7(0));
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->shown());
    clipboard->setText(QStringLiteral("<in>"));
    User::click(work.Command7(1));
    expectPair(work, true);
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_EQ(clipboard->text(), QString());
    settle();
    ASSERT_TRUE(writeActiveForm(BehaviourBlocksEditor));
    User::click(work.Command7(0));
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->mode(), BehaviourBlocksEditor);
}

TEST_F(ShowHideInsertionDialogTest, TheShownDialogTakingTheFocusChoosesNoRow)
{
    WorkWindow work(HideMeans::Hide);
    clipboard->setText(QStringLiteral("<Vorname>"));
    User::click(work.Command7(0));
    User::focus(dialog()->List1);
    EXPECT_EQ(dialog()->List1.listIndex(), -1);
    EXPECT_EQ(clipboard->text(), QStringLiteral("<Vorname>"));
}

} // namespace
