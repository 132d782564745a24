#include "Looks.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "TestProgram.h"
#include "User.h"
#include <QApplication>
#include <QImage>
#include <QHelpEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QToolTip>

using namespace zt;

namespace {
class Sample : public Form {
public:
    Sample() : Form(QStringLiteral("Sample")) { resize(6000, 4000); }
    TextBox Text1{*this};
    TextBox Text2{*this, true};
    CommandButton Command1{*this, QStringLiteral("OK")};
    ComboBox Combo1{*this, QStringLiteral("Namensliste")};
    ControlArray<OptionButton> Option1;
    CheckBox Check1{*this};
    PictureBox Picture1{*this};
    Label Label1{*this, QStringLiteral("Klasse")};
    ListBox List1{*this};
    std::vector<QString> events;
};

class ControlsTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        Text1().move(0, 0, 3000, 300);
        Command1().move(0, 400, 1500, 400);
        for (int i = 0; i < 3; ++i)
            form.Option1.add(i, form, QString::number(i)).move(0, 900 + i * 300, 1500, 300);
    }
    TextBox& Text1() { return form.Text1; }
    CommandButton& Command1() { return form.Command1; }
    Sample form;
};
} // namespace

TEST_F(ControlsTest, LostFocusRunsBeforeTheClickOfTheControlTakingTheFocus)
{
    form.Text1.LostFocus = [&] { form.events.push_back(QStringLiteral("Text1_LostFocus")); };
    form.Command1.Click = [&] { form.events.push_back(QStringLiteral("Command1_Click")); };
    form.Combo1.Click = [&] { form.events.push_back(QStringLiteral("Combo1_Click")); };
    form.Combo1.addItem(QStringLiteral("Meier  Anna"));
    User::focus(form.Text1);
    User::click(form.Command1);
    User::focus(form.Text1);
    User::chooseItem(form.Combo1, 0);
    EXPECT_EQ(form.events, (std::vector<QString>{QStringLiteral("Text1_LostFocus"), QStringLiteral("Command1_Click"),
                                                 QStringLiteral("Text1_LostFocus"), QStringLiteral("Combo1_Click")}));
}

// The teacher types while the wheel passes over a list and a combo on its way down the window:
// neither turns, and the box keeps the focus and its edit. With the focus they turn as before.
TEST_F(ControlsTest, OnlyAListOrComboWithTheFocusTurnsByTheWheel)
{
    form.Combo1.move(0, 2000, 2000, 360);
    form.List1.move(3000, 1800, 2000, 900);
    for (int i = 0; i < 30; ++i) {
        form.Combo1.addItem(QString::number(i));
        form.List1.addItem(QString::number(i));
    }
    form.Combo1.setListIndex(3);
    form.Text1.LostFocus = [&] { form.events.push_back(QStringLiteral("Text1_LostFocus")); };
    form.Combo1.Click = [&] { form.events.push_back(QStringLiteral("Combo1_Click")); };
    form.List1.Click = [&] { form.events.push_back(QStringLiteral("List1_Click")); };
    const QScrollBar* rows = static_cast<QListWidget*>(form.List1.widget())->verticalScrollBar();

    User::typeText(form.Text1, QStringLiteral("Anna"));
    User::turnWheel(form.Combo1, 1);
    User::turnWheel(form.List1, 3);
    EXPECT_EQ(form.Combo1.listIndex(), 3);
    EXPECT_EQ(rows->value(), 0);
    EXPECT_TRUE(form.Text1.hasFocus());
    EXPECT_TRUE(form.events.empty());
    // The window system gives the focus to a control that takes it by the wheel, and would then
    // turn it: these take it by a click or the keyboard only.
    for (const Control* c : {static_cast<const Control*>(&form.Combo1), static_cast<const Control*>(&form.List1)})
        EXPECT_EQ(c->widget()->focusPolicy(), Qt::StrongFocus);

    User::focus(form.Combo1);
    User::turnWheel(form.Combo1, 1);
    EXPECT_EQ(form.Combo1.listIndex(), 4);
    User::focus(form.List1);
    User::turnWheel(form.List1, 3);
    EXPECT_GT(rows->value(), 0);
    EXPECT_EQ(form.events, (std::vector<QString>{QStringLiteral("Text1_LostFocus"), QStringLiteral("Combo1_Click")}));
}

// A label or a picture takes no focus from the box; its click still finds the edit handed over.
TEST_F(ControlsTest, AClickOnAControlThatTakesNoFocusHandsOverTheEditFirst)
{
    form.Picture1.move(3000, 0, 1500, 1500);
    form.Label1.move(4500, 0, 1500, 600);
    form.Text1.LostFocus = [&] { form.events.push_back(QStringLiteral("Text1_LostFocus")); };
    form.Label1.Click = [&] { form.events.push_back(QStringLiteral("Label1_Click")); };
    form.Picture1.Click = [&] { form.events.push_back(QStringLiteral("Picture1_Click")); };
    User::typeText(form.Text1, QStringLiteral("Anna"));
    User::click(form.Label1);
    User::typeText(form.Text1, QStringLiteral(" lacht"));
    User::click(form.Picture1);
    EXPECT_EQ(form.events, (std::vector<QString>{QStringLiteral("Text1_LostFocus"), QStringLiteral("Label1_Click"),
                                                 QStringLiteral("Text1_LostFocus"), QStringLiteral("Picture1_Click")}));
}

TEST_F(ControlsTest, ChangeOnEveryTextChangeButOnlyWhenTheTextDiffers)
{
    int single = 0, multi = 0;
    form.Text1.Change = [&] { ++single; };
    form.Text2.Change = [&] { ++multi; };
    form.Text1.setText(QStringLiteral("a"));
    form.Text1.setText(QStringLiteral("a"));
    form.Text2.setText(QStringLiteral("a\r\nb"));
    form.Text2.setText(QStringLiteral("a\r\nb"));
    User::typeText(form.Text1, QStringLiteral("bc"));
    EXPECT_EQ(single, 3);
    EXPECT_EQ(multi, 1);
    EXPECT_EQ(form.Text2.text(), QStringLiteral("a\r\nb"));
}

TEST_F(ControlsTest, AOneLineBoxSetByTheProgramShowsTheStartOfItsText)
{
    form.window()->show();
    const QString longText = QStringLiteral("Die Versetzung in die Klasse 4 ist nach dem derzeitigen Leistungsstand gefährdet");
    User::focus(form.Text1);
    form.Text1.setText(longText);
    EXPECT_EQ(form.Text1.selStart(), 0);
}

TEST_F(ControlsTest, ABoxHoldsATextLongerThanQtsDefaultLimit)
{
    form.window()->show();
    const QString text = QString(40000, QLatin1Char('a'));
    for (TextBox* box : {&form.Text1, &form.Text2}) {
        box->setText(text);
        EXPECT_EQ(box->text(), text);
        EXPECT_FALSE(box->readOnly());
        User::focus(*box);
        box->setSelection(static_cast<int>(text.size()), 0);
        User::typeText(*box, QStringLiteral("b"));
        EXPECT_EQ(box->text(), text + QStringLiteral("b"));
    }
}

// Past the most a box takes, the text is kept whole and only its beginning is shown, in a box that
// takes no input until it is given a text it can hold.
TEST_F(ControlsTest, ATextLongerThanABoxTakesIsKeptWholeAndTakesNoInput)
{
    form.window()->show();
    const QString text = QString(TextBox::MaxLength, QLatin1Char('a')) + QStringLiteral("\r\nEnde");
    for (TextBox* box : {&form.Text1, &form.Text2}) {
        SCOPED_TRACE(box->multiLine() ? "multi-line" : "one line");
        int changes = 0;
        box->Change = [&] { ++changes; };
        box->setText(text);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(box->text(), text);
        EXPECT_FALSE(box->showsWhole());
        EXPECT_TRUE(box->readOnly());
        User::focus(*box);
        User::typeText(*box, QStringLiteral("b"));
        EXPECT_EQ(box->text(), text);

        // Another text with the same beginning is a change too.
        box->setText(text + QStringLiteral("!"));
        EXPECT_EQ(changes, 2);
        EXPECT_EQ(box->text(), text + QStringLiteral("!"));

        box->setText(QStringLiteral("kurz"));
        EXPECT_EQ(changes, 3);
        EXPECT_TRUE(box->showsWhole());
        EXPECT_FALSE(box->readOnly());
        User::typeText(*box, QStringLiteral("b"));
        EXPECT_EQ(box->text().size(), 5);
    }
    // A box the window made read-only stays so.
    form.Text1.setReadOnly(true);
    form.Text1.setText(text);
    form.Text1.setText(QStringLiteral("kurz"));
    EXPECT_TRUE(form.Text1.readOnly());
}

// The pointer resting on a one-line box too narrow for its text shows the whole text, as it
// stands after every edit, below the box's own tip.
TEST_F(ControlsTest, AOneLineBoxTooNarrowForItsTextShowsItWholeInItsToolTip)
{
    form.window()->show();
    QWidget* box = form.Text1.widget();
    const auto pointerRests = [box] {
        QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &rest);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QString longText = QStringLiteral("Die Versetzung in die Klasse 4 ist nach dem derzeitigen Leistungsstand gefährdet");
    form.Text1.setText(QStringLiteral("kurz"));
    EXPECT_TRUE(form.Text1.toolTipShown().isEmpty());
    EXPECT_TRUE(pointerRests().isEmpty());

    form.Text1.setText(longText);
    EXPECT_EQ(form.Text1.toolTipShown(), longText);
    EXPECT_TRUE(pointerRests().contains(QStringLiteral("derzeitigen Leistungsstand gefährdet")));

    User::focus(form.Text1);
    form.Text1.setSelection(static_cast<int>(longText.size()), 0);
    User::typeText(form.Text1, QStringLiteral(" & nicht"));
    EXPECT_EQ(form.Text1.toolTipShown(), longText + QStringLiteral(" & nicht"));
    EXPECT_TRUE(pointerRests().contains(QStringLiteral("gefährdet &amp; nicht")));

    form.Text1.setToolTip(QStringLiteral("Versetzungsbemerkung"));
    EXPECT_EQ(form.Text1.toolTipShown(), QStringLiteral("Versetzungsbemerkung\n\n") + longText + QStringLiteral(" & nicht"));
    form.Text1.setText(QStringLiteral("kurz"));
    EXPECT_EQ(form.Text1.toolTipShown(), QStringLiteral("Versetzungsbemerkung"));
}

TEST_F(ControlsTest, OptionAndCheckClickOnlyOnTheUsersClick)
{
    std::vector<int> clicked;
    int checks = 0;
    form.Option1.Click = [&](int i) { clicked.push_back(i); };
    form.Check1.Click = [&] { ++checks; };
    form.Option1(1).setValue(true);
    form.Check1.setValue(true);
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(checks, 0);
    User::click(form.Option1(2));
    User::click(form.Check1);
    EXPECT_EQ(clicked, std::vector<int>{2});
    EXPECT_EQ(checks, 1);
    EXPECT_FALSE(form.Option1(1).value());
    form.Option1(2).setValue(false);
    EXPECT_FALSE(form.Option1(2).value());
}

TEST_F(ControlsTest, SettingAnOptionClearsTheOthersOfItsContainerWithoutAClick)
{
    int clicks = 0;
    form.Option1.Click = [&](int) { ++clicks; };
    form.Option1(0).setValue(true);
    form.Option1(2).setValue(true);
    EXPECT_FALSE(form.Option1(0).value());
    EXPECT_FALSE(form.Option1(1).value());
    EXPECT_TRUE(form.Option1(2).value());
    EXPECT_EQ(clicks, 0);
}

TEST_F(ControlsTest, ADoubleClickGivesOneClickAndThenDblClick)
{
    form.Picture1.move(3000, 0, 1500, 1500);
    form.Label1.move(4500, 0, 1500, 600);
    form.Text2.move(0, 1800, 3000, 1200);
    form.List1.move(3000, 1800, 2000, 1500);
    form.Check1.move(3000, 3400, 1500, 300);
    for (int i = 0; i < 12; ++i)
        form.List1.addItem(QStringLiteral("Zeile %1").arg(i));
    struct Case { const char* name; Control* control; };
    const Case cases[] = {{"PictureBox", &form.Picture1}, {"Label", &form.Label1}, {"TextBox", &form.Text2},
                          {"ListBox", &form.List1},     {"OptionButton", &form.Option1(1)}, {"CheckBox", &form.Check1}};
    for (const Case& c : cases) {
        std::vector<std::string> seen;
        c.control->Click = [&] { seen.push_back("Click"); };
        c.control->DblClick = [&] { seen.push_back("DblClick"); };
        User::dblClick(*c.control);
        EXPECT_EQ(seen, (std::vector<std::string>{"Click", "DblClick"})) << c.name;
        // Ticked as by one click.
        if (c.control == &form.Check1) {
            EXPECT_TRUE(form.Check1.value());
        }
        // The next single click is a click again.
        seen.clear();
        User::click(*c.control);
        EXPECT_EQ(seen, std::vector<std::string>{"Click"}) << c.name;
    }
}

TEST_F(ControlsTest, AClickOnAControlInAFrameIsNoClickOfTheFrame)
{
    class Framed : public Form {
    public:
        Framed() : Form(QStringLiteral("Framed"))
        {
            resize(6000, 4000);
            Frame1.move(0, 0, 5000, 3000);
            Label1.move(300, 300, 1500, 400);
            Picture1.move(300, 900, 1500, 900);
        }
        Frame Frame1{*this, QStringLiteral("Rahmen")};
        Label Label1{Frame1, QStringLiteral("Kategorie")};
        PictureBox Picture1{Frame1};
    } framed;
    std::vector<std::string> seen;
    framed.Frame1.Click = [&] { seen.push_back("Frame1_Click"); };
    framed.Frame1.DblClick = [&] { seen.push_back("Frame1_DblClick"); };
    framed.Label1.Click = [&] { seen.push_back("Label1_Click"); };
    framed.Picture1.DblClick = [&] { seen.push_back("Picture1_DblClick"); };
    User::click(framed.Label1);
    User::dblClick(framed.Picture1);
    EXPECT_EQ(seen, (std::vector<std::string>{"Label1_Click", "Picture1_DblClick"}));
}

TEST_F(ControlsTest, AMultiLineBoxComparesAfterNormalisingLineEndsAndKeepsALoneCr)
{
    int changes = 0;
    form.Text2.Change = [&] { ++changes; };
    form.Text2.setText(QStringLiteral("a\nb"));
    form.Text2.setText(QStringLiteral("a\nb"));
    form.Text2.setText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.Text2.text(), QStringLiteral("a\r\nb"));
    // A lone CR is no line break: it comes back as it was given.
    const QString loneCr = QStringLiteral("x\ry\r\nz\r");
    form.Text2.setText(loneCr);
    form.Text2.setText(loneCr);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.Text2.text(), loneCr);
    form.Text2.setSelection(5, 0);
    form.Text2.insertAtCursor(QStringLiteral("\r"));
    EXPECT_EQ(form.Text2.text(), QStringLiteral("x\ry\r\n\rz\r"));
}

TEST_F(ControlsTest, AMultiLineBoxKeepsNonBreakingSpaces)
{
    const QString text = QStringLiteral("z.\u00A0B. gern\r\nneu");
    int changes = 0;
    form.Text2.Change = [&] { ++changes; };
    form.Text2.setText(text);
    form.Text2.setText(text);
    EXPECT_EQ(form.Text2.text(), text);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, ComboClickOnEveryIndexChangeAlsoByTheProgram)
{
    int clicks = 0;
    form.Combo1.Click = [&] { ++clicks; };
    EXPECT_EQ(form.Combo1.text(), QStringLiteral("Namensliste"));
    form.Combo1.addItem(QStringLiteral("a"));
    form.Combo1.addItem(QStringLiteral("b"));
    EXPECT_EQ(clicks, 0);
    form.Combo1.setListIndex(1);
    form.Combo1.setListIndex(0);
    form.Combo1.setListIndex(-1);
    form.Combo1.setListIndex(-1);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(form.Combo1.text(), QStringLiteral("Namensliste"));
}

TEST_F(ControlsTest, AListBoxGotFocusMayChooseARow)
{
    form.List1.move(3000, 1800, 2000, 1500);
    for (int i = 0; i < 4; ++i)
        form.List1.addItem(QStringLiteral("Zeile %1").arg(i));
    int clicks = 0;
    form.List1.Click = [&] { ++clicks; };
    form.List1.GotFocus = [&] { form.List1.setListIndex(2); };
    User::focus(form.List1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.List1.listIndex(), 2);
}

TEST_F(ControlsTest, AListShowsALongRowCutToItsWidthAndKeepsItWhole)
{
    const QString row = QString(5000, QLatin1Char('x')) + QStringLiteral("\r\n");
    form.List1.move(0, 0, 1500, 1000);
    form.List1.addItem(row);
    form.window()->show();
    const auto* list = static_cast<QListWidget*>(form.List1.widget());
    EXPECT_EQ(list->item(0)->text().size(), 100);
    // Wider, it shows more.
    form.List1.setWidth(6000);
    EXPECT_EQ(list->item(0)->text().size(), 400);
    EXPECT_EQ(form.List1.list(0), row);
}

TEST_F(ControlsTest, RemovingARowKeepsTheChosenRow)
{
    for (const char* row : {"a", "b", "c", "d", "e"})
        form.List1.addItem(QString::fromLatin1(row));
    int clicks = 0;
    form.List1.Click = [&] { ++clicks; };
    form.List1.setListIndex(3);
    form.List1.removeItem(0);
    EXPECT_EQ(form.List1.listIndex(), 2);
    EXPECT_EQ(form.List1.list(form.List1.listIndex()), QStringLiteral("d"));
    form.List1.removeItem(3);
    EXPECT_EQ(form.List1.listIndex(), 2);
    form.List1.removeItem(2);
    EXPECT_EQ(form.List1.listIndex(), -1);
    EXPECT_EQ(form.List1.listCount(), 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, KeyPressCanChangeOrRefuseTheKey)
{
    form.Text1.KeyPress = [](int& key) {
        if (key == 'x')
            key = 0;
        else if (key == '"')
            key = '\'';
    };
    User::typeText(form.Text1, QStringLiteral("ax\"b"));
    EXPECT_EQ(form.Text1.text(), QStringLiteral("a'b"));
}

// As in any form: Tab goes on to the next control and Shift+Tab back, from a one-line box and from
// a multi-line one alike, and no tab reaches the text.
TEST_F(ControlsTest, TabAndShiftTabMoveTheFocusOnFromEveryBoxAndTypeNothing)
{
    form.Text2.move(0, 2000, 3000, 900);
    struct Case { TextBox& box; Qt::Key key; Qt::KeyboardModifiers modifiers; Control& focused; };
    const Case cases[] = {
        {form.Text1, Qt::Key_Tab, Qt::NoModifier, form.Text2},
        {form.Text2, Qt::Key_Tab, Qt::NoModifier, form.Command1},
        {form.Text2, Qt::Key_Tab, Qt::ShiftModifier, form.Text1},
        {form.Text2, Qt::Key_Backtab, Qt::ShiftModifier, form.Text1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(&c - cases));
        User::retype(c.box, QStringLiteral("Lernbereitschaft."));
        User::pressKey(c.box, c.key, c.modifiers);
        EXPECT_TRUE(c.focused.hasFocus());
        EXPECT_EQ(c.box.text(), QStringLiteral("Lernbereitschaft."));
    }
}

TEST_F(ControlsTest, DoubleClickSelectsTheWordAndTheSelectionEndIsItsEnd)
{
    int dbl = 0;
    form.Text1.DblClick = [&] { ++dbl; };
    form.Text1.setText(QStringLiteral("Anna lacht gern"));
    User::dblClickAt(form.Text1, 6);
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(form.Text1.selectionEnd(), 10);
    form.Text2.setText(QStringLiteral("eins\r\nzwei drei"));
    form.Text2.DblClick = [&] { ++dbl; };
    User::dblClickAt(form.Text2, 7);
    EXPECT_EQ(dbl, 2);
    EXPECT_EQ(form.Text2.selectionEnd(), 10); // CR LF counts as two characters
}

// Captions come from the data files too (a club "Kunst & Werken"): no character of them is taken
// for a shortcut mark, and the window reads back what it set.
TEST_F(ControlsTest, ACaptionShowsEveryCharacterAsItIs)
{
    Frame frame(form, QStringLiteral("x"));
    const std::pair<const char*, Control*> kinds[] = {
        {"CommandButton", &form.Command1}, {"OptionButton", &form.Option1(0)}, {"CheckBox", &form.Check1},
        {"Frame", &frame}, {"Label", &form.Label1}};
    const auto setCaption = [](Control* c, const QString& caption) {
        if (auto* b = dynamic_cast<CommandButton*>(c))
            b->setCaption(caption);
        else if (auto* o = dynamic_cast<OptionButton*>(c))
            o->setCaption(caption);
        else if (auto* k = dynamic_cast<CheckBox*>(c))
            k->setCaption(caption);
        else if (auto* f = dynamic_cast<Frame*>(c))
            f->setCaption(caption);
        else
            static_cast<Label*>(c)->setCaption(caption);
    };
    const auto captionOf = [](Control* c) {
        if (auto* b = dynamic_cast<CommandButton*>(c))
            return b->caption();
        if (auto* o = dynamic_cast<OptionButton*>(c))
            return o->caption();
        if (auto* k = dynamic_cast<CheckBox*>(c))
            return k->caption();
        if (auto* f = dynamic_cast<Frame*>(c))
            return f->caption();
        return static_cast<Label*>(c)->caption();
    };
    form.window()->show();
    for (const auto& [kind, control] : kinds) {
        SCOPED_TRACE(kind);
        control->move(0, 2000, 3000, 600);
        // A shortcut mark with nothing after it is swallowed: then these pairs would look alike.
        for (const auto& [with, without] : {std::pair{"&", ""}, std::pair{"Kunst &", "Kunst"}}) {
            setCaption(control, QString::fromUtf8(without));
            const QImage image = control->widget()->grab().toImage();
            setCaption(control, QString::fromUtf8(with));
            EXPECT_NE(control->widget()->grab().toImage(), image) << with;
        }
        setCaption(control, QStringLiteral("Kunst & Werken && &Spiel"));
        EXPECT_EQ(captionOf(control), QStringLiteral("Kunst & Werken && &Spiel"));
    }
}

TEST_F(ControlsTest, ColoursAndTwipsAreKeptAsTheWindowsGiveThem)
{
    form.Command1.setBackColor(0x80FF80);
    EXPECT_EQ(form.Command1.backColor(), 0x80FF80);
    EXPECT_EQ(form.Command1.widget()->palette().color(QPalette::Button), QColor(0x80, 0xFF, 0x80));
    form.Command1.move(1500, 300, 3000, 450);
    EXPECT_EQ(form.Command1.left(), 1500);
    EXPECT_EQ(form.Command1.width(), 3000);
    EXPECT_EQ(form.Command1.widget()->width(), 200);
}

TEST_F(ControlsTest, SparseControlArrays)
{
    ControlArray<CommandButton> buttons;
    buttons.add(2, form);
    buttons.add(9, form);
    EXPECT_TRUE(buttons.contains(2));
    EXPECT_FALSE(buttons.contains(3));
    EXPECT_EQ(buttons.lowerBound(), 2);
    EXPECT_EQ(buttons.upperBound(), 9);
    int got = -1;
    buttons.Click = [&](int i) { got = i; };
    User::click(buttons(9));
    EXPECT_EQ(got, 9);
}

TEST_F(ControlsTest, ADisabledControlShowsGreyTextOnItsOwnBackColour)
{
    form.Command1.move(0, 400, 5000, 400);
    form.Command1.setCaption(QStringLiteral("Interessen, Kompetenzen und Bemerkungen erstellen"));
    form.Command1.setBackColor(0x80FF80);
    form.Label1.move(0, 2000, 3000, 300);
    form.Check1.setCaption(QStringLiteral("Haken"));
    form.Check1.move(3000, 3400, 1500, 300);
    form.Option1(2).setBackColor(0xFFFF00);
    form.Text1.setText(QStringLiteral("Anna lacht"));
    struct Case { const char* name; Control* control; };
    const Case cases[] = {{"CommandButton", &form.Command1}, {"Label", &form.Label1}, {"TextBox", &form.Text1},
                          {"CheckBox", &form.Check1},        {"OptionButton", &form.Option1(2)}};
    for (const Case& c : cases) {
        const test::Look enabled = test::lookOf(*c.control);
        c.control->setEnabled(false);
        const test::Look disabled = test::lookOf(*c.control);
        EXPECT_FALSE(enabled.greyed()) << c.name << " " << enabled.darkestInk;
        EXPECT_TRUE(disabled.greyed()) << c.name << " " << disabled.darkestInk;
        EXPECT_NEAR(disabled.background.red(), enabled.background.red(), 12) << c.name;
        EXPECT_NEAR(disabled.background.green(), enabled.background.green(), 12) << c.name;
        EXPECT_NEAR(disabled.background.blue(), enabled.background.blue(), 12) << c.name;
    }
    EXPECT_FALSE(test::lookOf(form.Command1).background == test::lookOf(form.Label1).background);
}

TEST_F(ControlsTest, ADisabledPictureBoxShowsItsPictureUnchanged)
{
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 40));
    const QString file = path(QStringLiteral("Bild.png"));
    ASSERT_TRUE(picture.save(file));
    form.Picture1.move(3000, 0, 1500, 1500);
    ASSERT_TRUE(form.Picture1.loadPicture(file));
    form.window()->show();
    const QImage enabled = form.Picture1.widget()->grab().toImage();
    form.Picture1.setEnabled(false);
    EXPECT_EQ(form.Picture1.widget()->grab().toImage(), enabled);
    EXPECT_EQ(enabled.pixelColor(50, 50), QColor(200, 40, 40));
}

TEST_F(ControlsTest, ACaptionWiderThanItsButtonWrapsOntoFurtherLines)
{
    form.Command1.setCaption(QStringLiteral("Textbausteine für Förder und AG, Interessen und Bemerkungen ändern"));
    form.Command1.move(0, 400, 4000, 600);
    const test::Look wrapped = test::lookOf(form.Command1);
    EXPECT_EQ(wrapped.inkLines, 2);
    EXPECT_FALSE(wrapped.inkAtEdge);
    form.Command1.setCaption(QStringLiteral("OK"));
    EXPECT_EQ(test::lookOf(form.Command1).inkLines, 1);
}

TEST_F(ControlsTest, AnOptionOrCheckBoxCaptionWiderThanTheControlWrapsOntoFurtherLines)
{
    const QString formulation =
        QStringLiteral("Anna erfasst den Inhalt auch längerer Texte sicher und gibt ihn mit eigenen Worten wieder.");
    form.Option1(0).setCaption(formulation);
    form.Option1(0).move(0, 900, 5900, 600);
    form.Check1.setCaption(formulation);
    form.Check1.move(0, 1800, 5900, 600);
    form.Option1(1).move(0, 2700, 5900, 300);
    form.Option1(1).setCaption(QStringLiteral("Anna liest."));
    EXPECT_EQ(form.Option1(0).captionLines(), 2);
    EXPECT_EQ(form.Check1.captionLines(), 2);
    EXPECT_EQ(form.Option1(1).captionLines(), 1);
    EXPECT_TRUE(test::showsWholeText(form.Option1(0)));
    EXPECT_TRUE(test::showsWholeText(form.Check1));

    // Squeezed into one line, the caption shows itself whole as a tool tip instead.
    QWidget* squeezed = form.Option1(0).widget();
    form.Option1(0).setHeight(300);
    const QPoint at = squeezed->rect().center();
    QHelpEvent tip(QEvent::ToolTip, at, squeezed->mapToGlobal(at));
    QApplication::sendEvent(squeezed, &tip);
    EXPECT_EQ(QToolTip::text(), formulation);
    QToolTip::hideText();
}
