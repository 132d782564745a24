// What the three composition windows share: how they are left.
#include "app/GsStart.h"
#include "composition/GSAGFI.h"
#include "composition/GsArbeitsverhalten.h"
#include "composition/Kompetenzen.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "Looks.h"
#include "TestProgram.h"
#include "User.h"
#include <functional>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString AskedByBehaviour = QStringLiteral("Sollen alle bisherigen Eintragungen gespeichert werden ?");
const QString AskedByTheOthers = QStringLiteral("Wollen Sie die Eintragungen noch speichern?");

// A composition window as the main menu opens it, and the teacher's steps in it.
struct WindowCase {
    const char* name;
    QString window;
    int menuEntry;
    const char* className;
    QString textStore;
    QString question;
    // Composes a text for the first pupil, saves, then clears the entry with "Aktuelle Eingabe
    // neu"; gives the text composed.
    std::function<QString(Form&)> composeSaveAndClear;
    std::function<CommandButton&(Form&)> leaveButton;
};

const WindowCase Windows[] = {
    {"GsArbeitsverhalten", WindowNames::Behaviour, 0, "\"3a\"", QStringLiteral("Daten/AVSVspeicher.txt"), AskedByBehaviour,
     [](Form& f) {
         auto& w = static_cast<GsArbeitsverhalten&>(f);
         User::chooseItem(w.Combo1, 0);
         User::click(w.Command1);
         User::click(w.Option1(2));
         User::click(w.Text1(0));
         User::click(w.Command4);
         const QString composed = w.Text1(0).text();
         User::click(w.Command6);
         return composed;
     },
     [](Form& f) -> CommandButton& { return static_cast<GsArbeitsverhalten&>(f).Command5; }},
    {"Kompetenzen", WindowNames::Competences, 1, "\"2a\"", QStringLiteral("Daten/12Speicher.txt"), AskedByTheOthers,
     [](Form& f) {
         auto& w = static_cast<Kompetenzen&>(f);
         User::chooseItem(w.Combo1, 0);
         User::click(w.Command1(1));
         User::click(w.Option2(1));
         User::click(w.Text1(1));
         User::click(w.Command2);
         const QString composed = w.Text1(1).text();
         User::click(w.Command4);
         return composed;
     },
     [](Form& f) -> CommandButton& { return static_cast<Kompetenzen&>(f).Command3; }},
    {"GSAGFI", WindowNames::SupportClubs, 2, "\"3a\"", QStringLiteral("Daten/34Speicher.txt"), AskedByTheOthers,
     [](Form& f) {
         auto& w = static_cast<GSAGFI&>(f);
         User::chooseItem(w.Combo1, 0);
         User::click(w.Command2(0));
         User::click(w.Check1(0));
         User::click(w.Command1(0));
         const QString composed = w.Text1.text();
         User::click(w.Command1(2));
         return composed;
     },
     [](Form& f) -> CommandButton& { return static_cast<GSAGFI&>(f).Command1(1); }},
};

struct WayOut {
    const char* name;
    std::function<void(Form&, const WindowCase&, GsStart&)> leave;
};

const WayOut WaysOut[] = {
    {"own button", [](Form& w, const WindowCase& c, GsStart&) { User::click(c.leaveButton(w)); }},
    {"title bar", [](Form& w, const WindowCase&, GsStart&) { w.window()->close(); }},
    {"main menu", [](Form&, const WindowCase&, GsStart& start) { User::click(start.Command1(3)); }},
};

class CompositionWindowTest : public test::TestProgram {
protected:
    // The shipped class, of the window's grade, with the window opened from the main menu.
    Form& openFromTheMainMenu(const WindowCase& c)
    {
        installShippedData();
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  readFile(QStringLiteral("Daten/Namen.Txt")).replace(QStringLiteral("\"3a\""), QLatin1String(c.className)));
        start = static_cast<GsStart*>(registry.Show(WindowNames::Start));
        User::click(start->Command1(c.menuEntry));
        return *registry.Find(c.window);
    }

    WindowRegistry& registry = WindowRegistry::instance();
    GsStart* start = nullptr;
};

// An entry cleared after a save is input like any other: every way out of every window asks, and
// Yes saves the clearing.
TEST_F(CompositionWindowTest, EveryWayOutAsksAboutAnEntryClearedAfterASave)
{
    for (const WindowCase& c : Windows) {
        for (const WayOut& way : WaysOut) {
            SCOPED_TRACE(std::string(c.name) + ", " + way.name);
            Form& w = openFromTheMainMenu(c);
            const QString composed = c.composeSaveAndClear(w);
            ASSERT_FALSE(composed.isEmpty());
            ASSERT_TRUE(readFile(c.textStore).contains(composed));

            messages->expect(c.question, vbYes);
            way.leave(w, c, *start);
            settle();
            messages->verifyDone();
            EXPECT_FALSE(registry.IsLoaded(c.window));
            EXPECT_FALSE(readFile(c.textStore).contains(composed));
            registry.UnloadAll();
            settle();
        }
    }
}

} // namespace

namespace {

// The controls of an area that show its lock, as a window names them.
struct LockControls {
    TextBox& box;
    Control& cover;
    Control& choices;
    CommandButton& newEntry;
    CommandButton& leave;
    Colour newEntryColour;
};

struct LockCase {
    const char* name;
    const WindowCase& window;
    // Chooses the first pupil and opens the area.
    std::function<LockControls(Form&)> openArea;
};

const LockCase LockCases[] = {
    {"GsArbeitsverhalten", Windows[0],
     [](Form& f) {
         auto& w = static_cast<GsArbeitsverhalten&>(f);
         User::chooseItem(w.Combo1, 0);
         User::click(w.Command1);
         return LockControls{w.Text1(0), w.Picture4, w.Frame1, w.Command6, w.Command5, Colours::Red};
     }},
    {"Kompetenzen", Windows[1],
     [](Form& f) {
         auto& w = static_cast<Kompetenzen&>(f);
         User::chooseItem(w.Combo1, 0);
         User::click(w.Command1(1));
         return LockControls{w.Text1(1), w.Picture2, w.Frame1(1), w.Command4, w.Command3, Colours::Red};
     }},
    {"GSAGFI", Windows[2],
     [](Form& f) {
         auto& w = static_cast<GSAGFI&>(f);
         User::chooseItem(w.Combo1, 0);
         User::click(w.Command2(1));
         return LockControls{w.Text2, w.Picture2, w.Frame2, w.Command1(2), w.Command1(1), Colours::LightGreen};
     }},
};

struct LockLook {
    bool covered;
    bool choicesEnabled;
    bool newEntryEnabled;
    Colour newEntryColour;
    QString leaveCaption;
    bool operator==(const LockLook&) const = default;
};

void PrintTo(const LockLook& l, std::ostream* os)
{
    *os << "covered " << l.covered << ", choices enabled " << l.choicesEnabled << ", \"Aktuelle Eingabe neu\" enabled "
        << l.newEntryEnabled << " in " << l.newEntryColour << ", leave button \""
        << l.leaveCaption.toStdString() << '"';
}

LockLook lookOf(const LockControls& c)
{
    return {c.cover.visible(), c.choices.enabled(), c.newEntry.enabled(), c.newEntry.backColor(), c.leave.caption()};
}

} // namespace

// A text typed into a box reached without a click locks its area as a click into the box does,
// and looks so: "Aktuelle Eingabe neu" can open it again, and the leave button ends the input.
TEST_F(CompositionWindowTest, ALockMadeByLeavingABoxLooksAndActsLikeOneMadeByAClick)
{
    for (const LockCase& c : LockCases) {
        SCOPED_TRACE(c.name);
        Form& w = openFromTheMainMenu(c.window);
        const LockControls controls = c.openArea(w);
        auto* names = static_cast<CompositionWindow*>(&w);
        User::focus(controls.box);
        User::typeText(controls.box, QStringLiteral("Von Hand geschrieben."));
        User::focus(names->Combo1);
        const LockLook left = lookOf(controls);
        EXPECT_EQ(left, (LockLook{true, false, true, controls.newEntryColour, QStringLiteral("Alle Eingaben beenden")}));
        // The sign over the choices is no blank panel: a padlock and the line naming the button.
        test::renderToPng(w.window(), QString::fromLatin1(c.name) + QStringLiteral("-locked.png"));
        EXPECT_GE(test::lookOf(controls.cover).inkLines, 2);
        EXPECT_TRUE(controls.cover.toolTip().contains(QStringLiteral("„%1“").arg(controls.newEntry.caption())));

        User::click(controls.newEntry);
        EXPECT_EQ(controls.box.text(), QString());
        EXPECT_FALSE(controls.cover.visible());
        EXPECT_TRUE(controls.choices.enabled());

        User::focus(controls.box);
        User::typeText(controls.box, QStringLiteral("Von Hand geschrieben."));
        User::click(controls.box);
        EXPECT_EQ(lookOf(controls), left);
        registry.UnloadAll();
        settle();
    }
}
