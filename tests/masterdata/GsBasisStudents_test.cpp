#include "core/ProgramFolder.h"
#include "GsBasisTestSupport.h"
#include "platform/Services.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QTimer>
#include <functional>

using namespace zt;
using namespace zt::test;

namespace {

const QString EmptyFields = QStringLiteral("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"");
const QString MaxMessage = QStringLiteral("Die Zahl der Schüler darf maximal 33 betragen!");

class GsBasisStudentsTest : public GsBasisTest {
protected:
    QStringList comboItems(const GsBasis& w) const
    {
        QStringList items;
        for (int i = 0; i < w.Combo1.listCount(); ++i)
            items << w.Combo1.list(i);
        return items;
    }

    // Keys "n,"class","Name<n>","Kind<n>"" of a class written by writeClass.
    static QStringList classKeys(const QString& className, int count)
    {
        QStringList keys;
        for (int n = 1; n <= count; ++n)
            keys << QStringLiteral("%1,\"%2\",\"Name%1\",\"Kind%1\"").arg(n).arg(className);
        return keys;
    }

    static QStringList shippedKeys(const QList<int>& numbersInOrder)
    {
        const QString names[5] = {QStringLiteral("\"Becker\",\"Lea\""), QStringLiteral("\"Yilmaz\",\"Emir\""),
                                  QStringLiteral("\"Schmidt\",\"Jonas\""), QStringLiteral("\"Nowak\",\"Zofia\""),
                                  QStringLiteral("\"Hoffmann\",\"Mia\"")};
        QStringList keys;
        for (int i = 0; i < numbersInOrder.size(); ++i)
            keys << QStringLiteral("%1,\"3a\",").arg(i + 1) + names[numbersInOrder[i] - 1];
        return keys;
    }
};

TEST_F(GsBasisStudentsTest, NinePupilsAndTheTenth)
{
    writeClass(QStringLiteral("2a"), 9);
    GsBasis& w = openForEditing();
    EXPECT_EQ(comboItems(w), (QStringList{"01", "02", "03", "04", "05", "06", "07", "08", "09"}));
    EXPECT_EQ(w.Text2(1).text(), QStringLiteral("Name1"));
    EXPECT_TRUE(w.Option1(1).value());

    User::click(w.Command4(2));
    EXPECT_EQ(comboItems(w).size(), 10);
    EXPECT_EQ(w.Combo1.list(9), QStringLiteral("10"));
    EXPECT_EQ(w.Combo1.listIndex(), 9);
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(w.Text2(i).text().isEmpty()) << i;
    EXPECT_TRUE(w.Text2(1).hasFocus());

    const QString names = readFile(QStringLiteral("Daten/Namen.Txt"));
    EXPECT_EQ(names.count(QStringLiteral("\r\n")), 10);
    EXPECT_TRUE(names.endsWith(QStringLiteral("9,\"2a\",\"Name9\",\"Kind9\",\"w\",\"01.02.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"
                                              "10,\"2a\",")
                               + EmptyFields + QStringLiteral("\r\n")));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Bildliststeuer.Txt"))
                    .endsWith(QStringLiteral("9,\"2a\",\"Name9\",\"Kind9\",\"Name9_Kind9_01022018\"\r\n10,\"2a\",\"\",\"\",\"__\"\r\n")));
    expectEmptyStores(classKeys(QStringLiteral("2a"), 9) << QStringLiteral("10,\"2a\",\"\",\"\""));
}

// The wheel over the number list while a name is typed passes it by: the pupil shown stays with
// the name as typed, which is the pupil's once the list is changed by the keyboard.
TEST_F(GsBasisStudentsTest, TheWheelOverTheNumberListKeepsThePupilAndTheTypedName)
{
    GsBasis& w = openForEditing();
    append(w.Text2(2), QStringLiteral("-Marie"));
    User::turnWheel(w.Combo1, 2);
    EXPECT_EQ(w.Combo1.listIndex(), 0);
    EXPECT_EQ(w.Text2(2).text(), QStringLiteral("Lea-Marie"));
    User::pressKey(w.Combo1, Qt::Key_Down);
    EXPECT_EQ(w.Text2(2).text(), QStringLiteral("Emir"));
    User::pressKey(w.Combo1, Qt::Key_Up);
    EXPECT_EQ(w.Text2(2).text(), QStringLiteral("Lea-Marie"));
}

TEST_F(GsBasisStudentsTest, ThirtyThreePupilsRefuseTheThirtyFourth)
{
    writeClass(QStringLiteral("4b"), 33);
    GsBasis& w = openForEditing();
    const QString before = readFile(QStringLiteral("Daten/Namen.Txt"));
    messages->expect(MaxMessage);
    User::click(w.Command4(2));
    EXPECT_EQ(messages->shown().back().style, 0);
    EXPECT_EQ(w.Combo1.listCount(), 33);
    EXPECT_EQ(w.Combo1.list(32), QStringLiteral("33"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")), before);
    expectEmptyStores(classKeys(QStringLiteral("4b"), 33));
}

TEST_F(GsBasisStudentsTest, DeletingPupilTwoOfFiveMovesTheOthersUp)
{
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Lea lernt gern.\",\"\"\r\n"));
    GsBasis& w = openForEditing();
    User::chooseItem(w.Combo1, 1);
    ASSERT_EQ(w.Text2(1).text(), QStringLiteral("Yilmaz"));
    User::click(w.Command4(1));
    EXPECT_EQ(comboItems(w), (QStringList{"01", "02", "03", "04"}));
    EXPECT_EQ(w.Combo1.listIndex(), 0);
    EXPECT_EQ(w.Text2(1).text(), QStringLiteral("Becker"));
    User::chooseItem(w.Combo1, 1);
    EXPECT_EQ(w.Text2(1).text(), QStringLiteral("Schmidt"));

    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")),
              QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"w\",\"05.03.2018\",\"Chor\",\"Tanz-AG\",\"\",\"\",\"Musterstadt\"\r\n"
                             "2,\"3a\",\"Schmidt\",\"Jonas\",\"m\",\"22.07.2018\",\"\",\"\",\"\",\"\",\"Musterstadt\"\r\n"
                             "3,\"3a\",\"Nowak\",\"Zofia\",\"w\",\"09.01.2018\",\"Kunst-AG\",\"\",\"\",\"\",\"Breslau\"\r\n"
                             "4,\"3a\",\"Hoffmann\",\"Mia\",\"w\",\"30.09.2017\",\"\",\"\",\"\",\"\",\"Essen\"\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Bildliststeuer.Txt")),
              QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Becker_Lea_05032018\"\r\n"
                             "2,\"3a\",\"Schmidt\",\"Jonas\",\"Schmidt_Jonas_22072018\"\r\n"
                             "3,\"3a\",\"Nowak\",\"Zofia\",\"Nowak_Zofia_09012018\"\r\n"
                             "4,\"3a\",\"Hoffmann\",\"Mia\",\"Hoffmann_Mia_30092017\"\r\n"));
    expectEmptyStores(shippedKeys({1, 3, 4, 5}));
}

TEST_F(GsBasisStudentsTest, DeletingTheOnlyPupilLeavesOneEmptyPupilOfTheClass)
{
    writeClass(QStringLiteral("1c"), 1);
    GsBasis& w = openForEditing();
    User::click(w.Command4(1));
    EXPECT_EQ(comboItems(w), QStringList{"01"});
    EXPECT_TRUE(w.Text2(1).text().isEmpty());
    EXPECT_EQ(w.Text1(5).text(), QStringLiteral("1c"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")), QStringLiteral("1,\"1c\",") + EmptyFields + QStringLiteral("\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Bildliststeuer.Txt")), QStringLiteral("1,\"1c\",\"\",\"\",\"__\"\r\n"));
    expectEmptyStores({QStringLiteral("1,\"1c\",\"\",\"\"")});
}

// The slots beyond the list keep nothing of an earlier class.
TEST_F(GsBasisStudentsTest, ANewListStartsWithOneEmptyPupilAndAnAddedPupilStartsEmpty)
{
    GsBasis& w = openForEditing();
    User::click(w.Command4(0));
    EXPECT_EQ(comboItems(w), QStringList{"01"});
    EXPECT_TRUE(w.Text2(1).hasFocus());
    EXPECT_TRUE(w.Text3(0).text().isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")), QStringLiteral("1,\"3a\",") + EmptyFields + QStringLiteral("\r\n"));
    expectEmptyStores({QStringLiteral("1,\"3a\",\"\",\"\"")});

    User::typeText(w.Text2(1), QStringLiteral("Neumann"));
    User::click(w.Command4(2));
    EXPECT_EQ(w.Combo1.listIndex(), 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(w.Text2(i).text().isEmpty()) << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(w.Text3(i).text().isEmpty()) << i;
    // The first pupil had no gender: the one still shown from Lea was given on collecting.
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")),
              QStringLiteral("1,\"3a\",\"Neumann\",\"\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n2,\"3a\",") + EmptyFields
                  + QStringLiteral("\r\n"));
    expectEmptyStores({QStringLiteral("1,\"3a\",\"Neumann\",\"\""), QStringLiteral("2,\"3a\",\"\",\"\"")});
}

TEST_F(GsBasisStudentsTest, APupilWithoutGenderKeepsTheShownChoiceUntilCollected)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"2a\",\"Kaya\",\"Emre\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "2,\"2a\",\"Roth\",\"Ida\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    GsBasis& w = openForEditing();
    User::chooseItem(w.Combo1, 1);
    EXPECT_TRUE(w.Option1(0).value());
    EXPECT_FALSE(w.Option1(1).value());
    User::click(w.Text2(4));
    User::click(w.Command1(0));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt")).contains(QStringLiteral("2,\"2a\",\"Roth\",\"Ida\",\"m\"")));

    User::click(w.Option1(1));
    User::click(w.Command1(0));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt")).contains(QStringLiteral("2,\"2a\",\"Roth\",\"Ida\",\"w\"")));
}

TEST_F(GsBasisStudentsTest, TheSortOrdersAsAGermanReaderAndRenumbers)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"3a\",\"Zimmer\",\"Ina\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "2,\"3a\",\"adam\",\"Tom\",\"m\",\"\",\"Chor\",\"\",\"\",\"\",\"\"\r\n"
                             "3,\"3a\",\"Özdemir\",\"Can\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "4,\"3a\",\"Berg\",\"Ole\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "5,\"3a\",\"Ärger\",\"Eva\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "6,\"3a\",\"Peters\",\"Jan\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    writeFile(QStringLiteral("Daten/34Speicher.txt"), QStringLiteral("1,\"3a\",\"Zimmer\",\"Ina\",\"Ina spielt Schach.\",\"\",\"\"\r\n"));
    GsBasis& w = openForEditing();
    User::click(w.Command6);
    EXPECT_EQ(w.Combo1.listIndex(), 0);
    EXPECT_EQ(w.Text2(1).text(), QStringLiteral("adam"));
    EXPECT_EQ(w.Text3(0).text(), QStringLiteral("Chor"));
    EXPECT_EQ(comboItems(w).size(), 6);
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen1.txt")),
              QStringLiteral("\"adam\",\"Tom\",\"m\",\"\",\"Chor\",\"\",\"\",\"\",\"\"\r\n"
                             "\"Ärger\",\"Eva\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "\"Berg\",\"Ole\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "\"Özdemir\",\"Can\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "\"Peters\",\"Jan\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "\"Zimmer\",\"Ina\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt"))
                    .startsWith(QStringLiteral("1,\"3a\",\"adam\",\"Tom\",\"m\",\"\",\"Chor\",\"\",\"\",\"\",\"\"\r\n"
                                               "2,\"3a\",\"Ärger\",\"Eva\",")));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt")).endsWith(QStringLiteral("6,\"3a\",\"Zimmer\",\"Ina\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n")));
    // Emptied at once under the new numbers: Ina's text must not stay with number 1, now Tom's.
    expectEmptyStores({QStringLiteral("1,\"3a\",\"adam\",\"Tom\""), QStringLiteral("2,\"3a\",\"Ärger\",\"Eva\""),
                       QStringLiteral("3,\"3a\",\"Berg\",\"Ole\""), QStringLiteral("4,\"3a\",\"Özdemir\",\"Can\""),
                       QStringLiteral("5,\"3a\",\"Peters\",\"Jan\""), QStringLiteral("6,\"3a\",\"Zimmer\",\"Ina\"")});
}

TEST_F(GsBasisStudentsTest, ASortThatChangesNoPlaceKeepsTheTexts)
{
    writeClass(QStringLiteral("2a"), 3);
    writeFile(QStringLiteral("Daten/12Speicher.txt"),
              QStringLiteral("1,\"2a\",\"Name1\",\"Kind1\",\"Liest gern.\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    const QByteArray texts = readBytes(QStringLiteral("Daten/12Speicher.txt"));
    GsBasis& w = openForEditing();
    User::click(w.Command6);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/12Speicher.txt")), texts);
}

TEST_F(GsBasisStudentsTest, TheClubListTakesNamesWithoutQuotesAndGivesThemToThePupil)
{
    GsBasis& w = openForEditing();
    inputs->answerNext(QStringLiteral("Theater \"Die Bühne\""));
    User::click(w.Command2(0));
    ASSERT_EQ(inputs->asked().size(), 1u);
    EXPECT_EQ(inputs->asked().back().prompt, QStringLiteral("Geben Sie bitte den Namen der AG ein!"));
    EXPECT_EQ(inputs->asked().back().title, QStringLiteral("AG-Eingabe"));
    EXPECT_TRUE(inputs->asked().back().defaultText.isEmpty());
    EXPECT_EQ(w.List1.list(5), QStringLiteral("Theater 'Die Bühne'"));
    // A cancelled input adds an empty entry, which is not saved.
    inputs->answerNext(QString());
    User::click(w.Command2(0));
    EXPECT_EQ(w.List1.listCount(), 7);

    User::chooseRow(w.List1, 5);
    User::dblClick(w.Text3(2));
    EXPECT_EQ(w.Text3(2).text(), QStringLiteral("Theater 'Die Bühne'"));
    User::click(w.Command1(0));
    EXPECT_EQ(readFile(QStringLiteral("Daten/AGListe.txt")),
              QStringLiteral("\"Chor\"\r\n\"Fußball-AG\"\r\n\"Schach-AG\"\r\n\"Theater-AG\"\r\n\"Kunst-AG\"\r\n"
                             "\"Theater 'Die Bühne'\"\r\n"));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt"))
                    .startsWith(QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"w\",\"05.03.2018\",\"Chor\",\"Tanz-AG\","
                                               "\"Theater 'Die Bühne'\",")));

    User::click(w.Command2(1));
    EXPECT_EQ(w.List1.listCount(), 0);
}

// Qt's own input dialog, as the teacher sees it: German buttons, and Abbrechen adds an empty entry.
TEST_F(GsBasisStudentsTest, TheClubInputBoxSpeaksGerman)
{
    Services::install(Services::makeRealInputBox());
    GsBasis& w = openForEditing();
    const int entries = w.List1.listCount();
    QStringList buttons;
    QString prompt;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        prompt = dialog->labelText();
        QAbstractButton* cancel = nullptr;
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons()) {
            buttons << b->text().remove(QLatin1Char('&'));
            if (buttons.back() == QStringLiteral("Abbrechen"))
                cancel = b;
        }
        dialog->setTextValue(QStringLiteral("Chor"));
        if (cancel)
            cancel->click();
        else
            dialog->reject();
    });
    User::click(w.Command2(0));
    EXPECT_EQ(prompt, QStringLiteral("Geben Sie bitte den Namen der AG ein!"));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
    EXPECT_EQ(w.List1.listCount(), entries + 1);
    EXPECT_EQ(w.List1.list(entries), QString());
}

TEST_F(GsBasisStudentsTest, AClubListOfTwentyFiveTakesNoMore)
{
    QString clubs;
    for (int i = 1; i <= 25; ++i)
        clubs += QStringLiteral("\"AG %1\"\r\n").arg(i);
    writeFile(QStringLiteral("Daten/AGListe.txt"), clubs);
    GsBasis& w = openForEditing();
    messages->expect(QStringLiteral("Die AG-Liste kann höchstens 25 Arbeitsgemeinschaften aufnehmen!"));
    User::click(w.Command2(0));
    EXPECT_TRUE(inputs->asked().empty());
    EXPECT_EQ(w.List1.listCount(), 25);
}

TEST_F(GsBasisStudentsTest, AListThatCannotBeWrittenStaysAsItWasAndKeepsTheStores)
{
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Lea lernt gern.\",\"\"\r\n"));
    GsBasis& w = openForEditing();
    const QByteArray names = readBytes(QStringLiteral("Daten/Namen.Txt"));
    const QByteArray stores = readBytes(QStringLiteral("Daten/AVSVspeicher.txt"));
    Files::setWriteFailure([](const QString& absolutePath) { return absolutePath.endsWith(QStringLiteral("Namen.Txt")); });
    const QString failure = QStringLiteral("Daten\\Namen.Txt ") + WriteFailed;

    messages->expect(failure);
    User::click(w.Command4(0));
    EXPECT_EQ(w.Combo1.listCount(), 5);
    messages->expect(failure);
    User::click(w.Command6);
    EXPECT_EQ(w.Text2(1).text(), QStringLiteral("Becker"));
    messages->expect(failure);
    User::click(w.Command4(1));
    EXPECT_EQ(w.Combo1.listCount(), 4);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Namen.Txt")), names);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AVSVspeicher.txt")), stores);

    // Leaving asks, since the deletion is not on disk.
    Files::setWriteFailure(nullptr);
    messages->expect(LeaveQuestion, vbYes);
    User::click(w.Command1(1));
    settle();
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")).count(QStringLiteral("\r\n")), 4);
}

TEST_F(GsBasisStudentsTest, WithoutAPupilListTheTeacherStartsWithOneEmptyPupil)
{
    QFile::remove(path(QStringLiteral("Daten/Namen.Txt")));
    messages->expect(QStringLiteral("Daten\\Namen.Txt ist nicht vorhanden"));
    GsBasis& w = openForEditing();
    EXPECT_EQ(comboItems(w), QStringList{"01"});
    User::retype(w.Text1(5), QStringLiteral("2a"));
    User::typeText(w.Text2(1), QStringLiteral("Neumann"));
    User::click(w.Option1(1));
    User::click(w.Command1(0));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")),
              QStringLiteral("1,\"2a\",\"Neumann\",\"\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
}

// Cut inside record 7, after the first digit of its class.
TEST_F(GsBasisStudentsTest, AListReadDamagedIsWrittenOverOnlyAfterTheTeacherSaysYes)
{
    writeClass(QStringLiteral("3a"), 6);
    writeBytes(QStringLiteral("Daten/Namen.Txt"), readBytes(QStringLiteral("Daten/Namen.Txt")) + "7,\"3");
    messages->expect(QStringLiteral("Die Datei Daten\\Namen.Txt ist beschädigt"));
    GsBasis& w = openForEditing();
    EXPECT_EQ(w.Text1(5).text(), QStringLiteral("3a"));
    EXPECT_EQ(w.Combo1.listCount(), 7);
    const auto before = dataFiles();
    const QString question = QStringLiteral(
        "Die Datei Daten\\Namen.Txt war beim Lesen beschädigt. Wenn Sie jetzt speichern, wird sie durch die angezeigten "
        "Einträge ersetzt, und was nicht gelesen werden konnte, geht verloren. Vollständig gelesen wurden nur die Schüler "
        "1 bis 6, von Schüler 7 an nur, was lesbar war. Wollen Sie die Datei trotzdem überschreiben?");

    struct Action { const char* name; QString leaving; std::function<void()> act; };
    const Action actions[] = {
        {"Basisdaten speichern", {}, [&] { User::click(w.Command1(0)); }},
        {"aktuellen Schüler löschen", {}, [&] { User::click(w.Command4(1)); }},
        {"Schüler hinzufügen", {}, [&] { User::click(w.Command4(2)); }},
        {"Schüler alphabetisch sortieren", {}, [&] { User::click(w.Command6); }},
        {"SibankPlus", {}, [&] { User::click(w.Command7(0)); }},
        {"Sibwin", {}, [&] { User::click(w.Command7(1)); }},
        {"Ende", LeaveQuestion, [&] { User::click(w.Command1(1)); }},
        {"Hauptmenü", LeaveQuestion, [&] { registry.LeaveAll({WindowNames::MasterData}); }},
    };
    append(w.Text2(4), QStringLiteral("-Süd"));
    for (const Action& a : actions) {
        SCOPED_TRACE(a.name);
        if (!a.leaving.isEmpty())
            messages->expect(a.leaving, vbYes);
        messages->expect(question, vbNo);
        a.act();
        settle();
        messages->verifyDone();
        EXPECT_EQ(messages->shown().back().prompt, question);
        EXPECT_EQ(messages->shown().back().style, vbYesNo | vbExclamation | vbDefaultButton2);
        EXPECT_EQ(dataFiles(), before);
        EXPECT_TRUE(launcher->commandLines.isEmpty());
        ASSERT_TRUE(registry.IsLoaded(WindowNames::MasterData));
        EXPECT_EQ(w.Combo1.listCount(), 7);
    }

    // Yes writes the list as shown, every pupil with the class of the whole records; asked once.
    messages->expect(question, vbYes);
    User::click(w.Command1(0));
    QString names;
    QString pictures;
    for (int n = 1; n <= 6; ++n) {
        const QString place = n == 1 ? QStringLiteral("Ort-Süd") : QStringLiteral("Ort");
        names += QStringLiteral("%1,\"3a\",\"Name%1\",\"Kind%1\",\"w\",\"01.02.2018\",\"\",\"\",\"\",\"\",\"%2\"\r\n").arg(n).arg(place);
        pictures += QStringLiteral("%1,\"3a\",\"Name%1\",\"Kind%1\",\"Name%1_Kind%1_01022018\"\r\n").arg(n);
    }
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")), names + QStringLiteral("7,\"3a\",") + EmptyFields + QStringLiteral("\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Bildliststeuer.Txt")), pictures + QStringLiteral("7,\"3a\",\"\",\"\",\"__\"\r\n"));
    User::click(w.Command4(2));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")).count(QStringLiteral("\r\n")), 8);
}

// A new list keeps nothing of the old one, whole or not: there is nothing to ask about.
TEST_F(GsBasisStudentsTest, ANewListReplacesADamagedListWithoutAQuestion)
{
    writeClass(QStringLiteral("3a"), 6);
    writeBytes(QStringLiteral("Daten/Namen.Txt"), readBytes(QStringLiteral("Daten/Namen.Txt")) + "7,\"3");
    messages->expect(QStringLiteral("Die Datei Daten\\Namen.Txt ist beschädigt"));
    GsBasis& w = openForEditing();
    User::click(w.Command4(0));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")), QStringLiteral("1,\"3a\",") + EmptyFields + QStringLiteral("\r\n"));
    User::typeText(w.Text2(1), QStringLiteral("Neumann"));
    User::click(w.Command1(0));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt")).startsWith(QStringLiteral("1,\"3a\",\"Neumann\"")));
}

// Each visible control of the frame lies inside it and on no other; the frame lies inside the window.
void expectInsideAndUnoverlapped(const GsBasis& w)
{
    const QWidget* frame = w.Frame1.widget();
    EXPECT_TRUE(QRect(QPoint(0, 0), w.window()->size()).contains(frame->geometry()));
    std::vector<const QWidget*> shown;
    for (const QWidget* c : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (Control::owning(c) && c->isVisibleTo(frame))
            shown.push_back(c);
    EXPECT_GE(shown.size(), 50u) << "the frame's controls were not found";
    const auto name = [](const QWidget* c) {
        const QVariant text = c->property("text");
        const QRect g = c->geometry();
        return QStringLiteral("%1 '%2' at %3,%4 %5x%6")
            .arg(QLatin1String(c->metaObject()->className()), text.toString())
            .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
            .toStdString();
    };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(frame->rect().contains(shown[i]->geometry())) << name(shown[i]);
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry())) << name(shown[i]) << " on " << name(shown[j]);
    }
}

// The club label sends the teacher to "die unteren Zeilen".
TEST_F(GsBasisStudentsTest, TheClubBoxesStandBelowTheClubListAndNoControlCoversAnother)
{
    GsBasis& w = open();
    expectInsideAndUnoverlapped(w);
    messages->expect(EditQuestion, vbYes);
    User::click(w.Command5);
    expectInsideAndUnoverlapped(w);
    EXPECT_LT(w.Label9.top() + w.Label9.height(), w.List1.top());
    for (int i = 0; i < 4; ++i) {
        EXPECT_GT(w.Text3(i).top(), w.List1.top() + w.List1.height()) << i;
        EXPECT_GT(w.Label8(i).top(), w.List1.top() + w.List1.height()) << i;
    }
}

TEST_F(GsBasisStudentsTest, RendersBeforeAndAfterBearbeiten)
{
    GsBasis& w = open();
    renderToPng(w.window(), QStringLiteral("GsBasis.png"));
    messages->expect(EditQuestion, vbNo);
    User::click(w.Command5);
    EXPECT_TRUE(w.Command5.visible());
    EXPECT_FALSE(w.Text2(1).enabled());

    messages->expect(EditQuestion, vbYes);
    User::click(w.Command5);
    EXPECT_EQ(messages->shown().back().style, 36);
    EXPECT_FALSE(w.Command5.visible());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(w.Command4(i).visible());
    EXPECT_TRUE(w.Command6.visible());
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(w.Text1(i).enabled(), i != 6 && i != 10) << i;
    for (Control* c : std::initializer_list<Control*>{&w.Text2(1), &w.Text2(4), &w.Text3(0), &w.Text3(3), &w.Option1(0),
                                                      &w.Option1(1), &w.List1, &w.Command2(0), &w.Command2(1), &w.Command1(0)})
        EXPECT_TRUE(c->enabled());
    EXPECT_EQ(w.Command1(0).backColor(), 0xFF);
    renderToPng(w.window(), QStringLiteral("GsBasis-bearbeiten.png"));
}

} // namespace
