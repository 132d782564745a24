// The teacher's whole road through the program: a new class in the master data, its texts composed
// and saved, the review handed to Word; first in grade 2, then with the same pupils in grade 4.
#include "app/GsStart.h"
#include "composition/GSAGFI.h"
#include "composition/GsArbeitsverhalten.h"
#include "composition/Kompetenzen.h"
#include "core/ActiveForm.h"
#include "core/Windows1252.h"
#include "masterdata/GsBasis.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "review/GsAnzeige.h"
#include "TestProgram.h"
#include "User.h"
#include <initializer_list>
#include <ostream>
#include <utility>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString EditQuestion = QStringLiteral("Wenn Sie Änderungen an den Schülerdaten vornehmen");
const QString SchoolQuestion = QStringLiteral("Wenn Sie Änderungen an den Schuldaten vornehmen");
const QString CrLf = QStringLiteral("\r\n");
const QString Underline = QString(65, QLatin1Char('_'));
const QString ReviewCommand = QStringLiteral("Winword.exe daten\\worddaten\\Anzeigetext.doc /mAnzeigetext");

struct Pupil {
    QString surname;
    QString firstName;
    QString birthDate;
    QString birthPlace;
    int gender; // the option button: 0 "männlich", 1 "weiblich"
};

// Entered in this order; the alphabetic sort puts Tim first and Mert last.
const Pupil Jana{QStringLiteral("Brandt"), QStringLiteral("Jana"), QStringLiteral("12.04.2019"), QStringLiteral("Musterstadt"), 1};
const Pupil Mert{QStringLiteral("Çelik"), QStringLiteral("Mert"), QStringLiteral("03.09.2018"), QStringLiteral("Essen"), 0};
const Pupil Tim{QStringLiteral("Albers"), QStringLiteral("Tim"), QStringLiteral("27.11.2018"), QStringLiteral("Musterstadt"), 0};
constexpr int TimItem = 0;
constexpr int JanaItem = 1;
constexpr int MertItem = 2;

// The fields of a store record after the key, each text in quotes.
QString quoted(std::initializer_list<QString> texts)
{
    QStringList fields;
    for (const QString& t : texts)
        fields << QLatin1Char('"') + t + QLatin1Char('"');
    return fields.join(QLatin1Char(','));
}

class WholeRoadTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
    }

    // As the program starts: the start page and nothing else.
    GsStart& startProgram()
    {
        EXPECT_TRUE(registry.loadedNames().isEmpty());
        return *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    }

    static void expectStartPage(const GsStart& start, const QString& className, const QString& schoolYear,
                                const QString& halfYear)
    {
        EXPECT_EQ(start.Label1(0).caption(), QStringLiteral("Klasse ") + className);
        EXPECT_EQ(start.Label1(1).caption(), QStringLiteral("Schuljahr ") + schoolYear);
        EXPECT_EQ(start.Label1(2).caption(), halfYear + QStringLiteral(". Halbjahr"));
    }

    template <class Window>
    Window& chooseEntry(GsStart& start, int entry, const QString& name)
    {
        User::click(start.Command1(entry));
        Window* w = registry.find<Window>(name);
        EXPECT_TRUE(w && w->shown()) << name.toStdString();
        return *w;
    }

    GsBasis& openMasterData(GsStart& start)
    {
        User::click(start.Command2);
        return chooseEntry<GsBasis>(start, MasterData, WindowNames::MasterData);
    }

    // "Ende" of the master data ends the program; started again, it shows the class and offers
    // the composition window of its grade.
    GsStart& endAndRestart(GsBasis& masterData, const QString& className, const QString& schoolYear,
                           const QString& halfYear)
    {
        const int quits = application->quitCalls;
        User::click(masterData.Command1(1));
        EXPECT_EQ(application->quitCalls, quits + 1);
        settle();
        GsStart& start = startProgram();
        expectStartPage(start, className, schoolYear, halfYear);
        const bool lowerGrades = className < QStringLiteral("3");
        EXPECT_EQ(start.Command1(CompetencesEntry).enabled(), lowerGrades);
        EXPECT_EQ(start.Command1(SupportClubsEntry).enabled(), !lowerGrades);
        return start;
    }

    void leaveBy(CommandButton& button, const QString& window)
    {
        User::click(button);
        settle();
        EXPECT_FALSE(registry.IsLoaded(window)) << window.toStdString();
    }

    static void enterPupil(GsBasis& w, const Pupil& p)
    {
        User::typeText(w.Text2(1), p.surname);
        User::typeText(w.Text2(2), p.firstName);
        User::typeText(w.Text2(3), p.birthDate);
        User::typeText(w.Text2(4), p.birthPlace);
        User::click(w.Option1(p.gender));
    }

    // Opens the area (AV or SV button) and chooses a line in each listed category.
    static void composeBehaviour(GsArbeitsverhalten& w, CommandButton& area,
                                 std::initializer_list<std::pair<int, int>> categoryLines)
    {
        User::click(area);
        for (const auto& [category, line] : categoryLines) {
            User::click(w.Command3(category));
            User::click(w.Option1(line));
        }
    }

    // Ticks the parts, loads the text and hands it to Word; returns what the review showed.
    QString reviewHandedToWord(GsStart& start, std::initializer_list<int> parts)
    {
        auto& review = chooseEntry<GsAnzeige>(start, ReviewEntries, WindowNames::Review);
        for (int part : parts)
            User::click(review.Check1(part));
        User::click(review.Command1(0));
        const QString display = review.Text1.text();
        launcher->commandLines.clear();
        User::click(review.Command1(1));
        EXPECT_EQ(launcher->commandLines, QStringList{ReviewCommand});
        EXPECT_EQ(clipboard->text(), display);
        leaveBy(review.Command1(2), WindowNames::Review);
        return display;
    }

    // The review block of one pupil: from the name line to the underline.
    static QString blockOf(const QString& display, const Pupil& p)
    {
        const qsizetype start = display.indexOf(p.surname + QStringLiteral(", ") + p.firstName + CrLf);
        return start < 0 ? QString() : display.mid(start, display.indexOf(Underline, start) - start);
    }

    // A store of the class as written: each pupil's key in list order, then the pupil's fields.
    static QByteArray store(const QString& className, const QString& timFields, const QString& janaFields,
                            const QString& mertFields)
    {
        QString text;
        int number = 0;
        for (const auto& [p, fields] : {std::pair{&Tim, timFields}, std::pair{&Jana, janaFields}, std::pair{&Mert, mertFields}})
            text += QStringLiteral("%1,%2,").arg(++number).arg(quoted({className, p->surname, p->firstName})) + fields + CrLf;
        return encodeWindows1252(text);
    }

    QByteArray storeFile(const QString& stem) const { return readBytes(QStringLiteral("Daten/%1.txt").arg(stem)); }

    // The six stores of the class hold its three pupils and no text.
    void expectEmptyStores(const QString& className) const
    {
        const std::pair<QString, QString> stores[] = {
            {QStringLiteral("AVSVspeicher"), quoted({{}, {}})},
            {QStringLiteral("AVSVWahl"), QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0")},
            {QStringLiteral("12Speicher"), quoted({{}, {}, {}, {}, {}, {}, {}, {}})},
            {QStringLiteral("12Sperre"), QStringLiteral("0,0,0,0,0,0,0,0")},
            {QStringLiteral("34Speicher"), quoted({{}, {}, {}})},
            {QStringLiteral("34Sperre"), QStringLiteral("0,0,0")},
        };
        for (const auto& [stem, fields] : stores)
            EXPECT_EQ(storeFile(stem), store(className, fields, fields, fields)) << stem.toStdString();
    }

    QStringList backupsOf(std::initializer_list<const char*> stems) const
    {
        QStringList names;
        for (const char* stem : stems)
            names << QLatin1String(stem) + QStringLiteral("09.12.2026.txt");
        return names;
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(WholeRoadTest, ANewClassFromTheMasterDataToTheReviewInWordInGradesTwoAndFour)
{
    // The new school year: class 2c of three pupils replaces the shipped class.
    GsStart* start = &startProgram();
    expectStartPage(*start, QStringLiteral("3a"), QStringLiteral("2026/2027"), QStringLiteral("1"));
    GsBasis* masterData = &openMasterData(*start);
    messages->expect(EditQuestion, vbYes);
    User::click(masterData->Command5);
    User::retype(masterData->Text1(3), QStringLiteral("2027/2028"));
    User::retype(masterData->Text1(4), QStringLiteral("2"));
    User::retype(masterData->Text1(5), QStringLiteral("2c"));
    // A new list; Jana sings in the choir, the first club of the club list.
    User::click(masterData->Command4(0));
    enterPupil(*masterData, Jana);
    User::chooseRow(masterData->List1, 0);
    User::dblClick(masterData->Text3(0));
    User::click(masterData->Command4(2));
    enterPupil(*masterData, Mert);
    User::click(masterData->Command4(2));
    enterPupil(*masterData, Tim);
    // Sorted and saved.
    User::click(masterData->Command6);
    User::click(masterData->Command1(0));
    EXPECT_EQ(launcher->commandLines.back(), QStringLiteral("Winword.exe ZeugnislisteNeu.doc /mZeugnislisteNeu"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")),
              QStringLiteral("1,\"2c\",\"Albers\",\"Tim\",\"m\",\"27.11.2018\",\"\",\"\",\"\",\"\",\"Musterstadt\"\r\n"
                             "2,\"2c\",\"Brandt\",\"Jana\",\"w\",\"12.04.2019\",\"Chor\",\"\",\"\",\"\",\"Musterstadt\"\r\n"
                             "3,\"2c\",\"Çelik\",\"Mert\",\"m\",\"03.09.2018\",\"\",\"\",\"\",\"\",\"Essen\"\r\n"));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Basisdaten.txt")).contains(QStringLiteral("\"2027/2028\",\"2\",\"2028/2029\"")));
    expectEmptyStores(QStringLiteral("2c"));
    EXPECT_TRUE(backups().isEmpty());

    start = &endAndRestart(*masterData, QStringLiteral("2c"), QStringLiteral("2027/2028"), QStringLiteral("2"));

    // Jana's work and social behaviour, Mert's work behaviour.
    auto& behaviour = chooseEntry<GsArbeitsverhalten>(*start, BehaviourEntry, WindowNames::Behaviour);
    User::chooseItem(behaviour.Combo1, JanaItem);
    composeBehaviour(behaviour, behaviour.Command1, {{0, 1}, {1, 1}});
    const QString janaAv = QStringLiteral("Jana zeigt stets eine sehr große Lernfreude und beteiligt sich rege und mit guten "
                                          "Beiträgen am Unterricht.");
    EXPECT_EQ(behaviour.Text1(0).text(), janaAv);
    composeBehaviour(behaviour, behaviour.Command2, {{0, 2}});
    const QString janaSv = QStringLiteral("Jana ist als Mitschülerin wegen ihrer freundlichen Art sehr beliebt.");
    EXPECT_EQ(behaviour.Text1(1).text(), janaSv);
    User::chooseItem(behaviour.Combo1, MertItem);
    composeBehaviour(behaviour, behaviour.Command1, {{3, 2}});
    const QString mertAv = QStringLiteral("Er fertigt seine Hausaufgaben regelmäßig und ordentlich an.");
    EXPECT_EQ(behaviour.Text1(0).text(), mertAv);
    User::click(behaviour.Command4);
    EXPECT_EQ(storeFile(QStringLiteral("AVSVspeicher")),
              store(QStringLiteral("2c"), quoted({{}, {}}), quoted({janaAv, janaSv}), quoted({mertAv, {}})));
    // Jana's areas were locked when Mert was chosen.
    EXPECT_EQ(storeFile(QStringLiteral("AVSVWahl")),
              store(QStringLiteral("2c"), QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"),
                    QStringLiteral("1,1,1,1,0,0,0,0,0,2,0,0,0,0,0"), QStringLiteral("0,0,0,0,0,2,0,0,0,0,0,0,0,0,0")));
    EXPECT_EQ(backups(), backupsOf({"AVSVspeicher", "AVSVWahl"}));
    leaveBy(behaviour.Command5, WindowNames::Behaviour);

    // Jana's remarks with her club from the master data and her promotion on the conference date;
    // Mert's speaking and listening.
    auto& competences = chooseEntry<Kompetenzen>(*start, CompetencesEntry, WindowNames::Competences);
    User::chooseItem(competences.Combo1, JanaItem);
    User::click(competences.Command1(7));
    User::click(competences.Check2(0));
    User::click(competences.Option21(1));
    const QString janaRemarks = QStringLiteral("Jana hat an der Arbeitsgemeinschaft 'Chor' teilgenommen. \r\n"
                                               "Jana wird nach Beschluss der Zeugniskonferenz vom 21.01.2027 in die Klasse 3 "
                                               "versetzt.");
    EXPECT_EQ(competences.Text1(7).text(), janaRemarks);
    User::chooseItem(competences.Combo1, MertItem);
    User::click(competences.Command1(1));
    User::click(competences.Option2(0));
    User::click(competences.Option3(1));
    const QString mertSpeaking = QStringLiteral("Mert erzählt und berichtet zusammenhängend, anschaulich und gut verständlich. "
                                                "Mündliche Arbeitsaufträge versteht er meistens und setzt sie um. ");
    EXPECT_EQ(competences.Text1(1).text(), mertSpeaking);
    User::click(competences.Command2);
    EXPECT_EQ(storeFile(QStringLiteral("12Speicher")),
              store(QStringLiteral("2c"), quoted({{}, {}, {}, {}, {}, {}, {}, {}}),
                    quoted({{}, {}, {}, {}, {}, {}, {}, janaRemarks}), quoted({{}, mertSpeaking, {}, {}, {}, {}, {}, {}})));
    EXPECT_EQ(storeFile(QStringLiteral("12Sperre")),
              store(QStringLiteral("2c"), QStringLiteral("0,0,0,0,0,0,0,0"), QStringLiteral("0,0,0,0,0,0,0,1"),
                    QStringLiteral("0,0,0,0,0,0,0,0")));
    EXPECT_EQ(backups(), backupsOf({"12Speicher", "12Sperre", "AVSVspeicher", "AVSVWahl"}));
    leaveBy(competences.Command3, WindowNames::Competences);

    const QString display = reviewHandedToWord(*start, {0, 1, 3, 9});
    EXPECT_TRUE(display.contains(QStringLiteral("Klasse: 2c   Schuljahr: 2027/2028  2. Halbjahr\r\n")));
    EXPECT_TRUE(blockOf(display, Jana).contains(QStringLiteral("\r\nArbeitsverhalten:\r\n") + janaAv + CrLf));
    EXPECT_TRUE(blockOf(display, Jana).contains(QStringLiteral("\r\nSozialverhalten:\r\n") + janaSv + CrLf));
    EXPECT_TRUE(blockOf(display, Jana).contains(QStringLiteral("\r\nBemerkungen:\r\n") + janaRemarks + CrLf));
    EXPECT_TRUE(blockOf(display, Mert).contains(QStringLiteral("\r\nArbeitsverhalten:\r\n") + mertAv + CrLf));
    EXPECT_TRUE(blockOf(display, Mert).contains(QStringLiteral("\r\nSprechen und Zuhören:\r\n") + mertSpeaking + CrLf));
    EXPECT_EQ(blockOf(display, Tim), QStringLiteral("Albers, Tim\r\nArbeitsverhalten:\r\n\r\n\r\nSozialverhalten:\r\n\r\n"
                                                    "\r\nSprechen und Zuhören:\r\n\r\n\r\nBemerkungen:\r\n\r\n"));

    // Two years on the class is 4c: changing the school data empties every store at once.
    masterData = &openMasterData(*start);
    messages->expect(SchoolQuestion, vbYes);
    User::click(masterData->Command3);
    expectEmptyStores(QStringLiteral("2c"));
    User::retype(masterData->Text1(3), QStringLiteral("2029/2030"));
    User::retype(masterData->Text1(5), QStringLiteral("4c"));
    User::click(masterData->Command1(0));
    expectEmptyStores(QStringLiteral("4c"));
    EXPECT_TRUE(backups().isEmpty());

    start = &endAndRestart(*masterData, QStringLiteral("4c"), QStringLiteral("2029/2030"), QStringLiteral("2"));

    // Tim's social behaviour.
    auto& behaviour4 = chooseEntry<GsArbeitsverhalten>(*start, BehaviourEntry, WindowNames::Behaviour);
    User::chooseItem(behaviour4.Combo1, TimItem);
    composeBehaviour(behaviour4, behaviour4.Command2, {{0, 1}, {2, 2}});
    const QString timSv = QStringLiteral("Tim ist allen gegenüber stets freundlich und aufgeschlossen. Er hilft anderen Kindern "
                                         "gern und unaufgefordert.");
    EXPECT_EQ(behaviour4.Text1(1).text(), timSv);
    User::click(behaviour4.Command4);
    EXPECT_EQ(storeFile(QStringLiteral("AVSVspeicher")),
              store(QStringLiteral("4c"), quoted({{}, timSv}), quoted({{}, {}}), quoted({{}, {}})));
    leaveBy(behaviour4.Command5, WindowNames::Behaviour);

    // Jana's support lessons and club; Tim's promotion into the next school year.
    auto& supportClubs = chooseEntry<GSAGFI>(*start, SupportClubsEntry, WindowNames::SupportClubs);
    User::chooseItem(supportClubs.Combo1, JanaItem);
    User::click(supportClubs.Command2(0));
    User::click(supportClubs.Check1(0));
    User::click(supportClubs.Option6(0));
    const QString janaSupport = QStringLiteral("Jana hat regelmäßig am Förderunterricht in Deutsch teilgenommen.\r\n"
                                               "Jana hat an der Arbeitsgemeinschaft 'Chor' teilgenommen.");
    EXPECT_EQ(supportClubs.Text1.text(), janaSupport);
    User::chooseItem(supportClubs.Combo1, TimItem);
    User::click(supportClubs.Command2(2));
    User::click(supportClubs.Option4(1));
    const QString timRemarks = QStringLiteral("\r\nTim wird in die Klasse 5 versetzt und besucht ab dem Schuljahr 2030/2031 "
                                              "eine weiterführende Schule.");
    EXPECT_EQ(supportClubs.Text3.text(), timRemarks);
    User::click(supportClubs.Command1(0));
    EXPECT_EQ(storeFile(QStringLiteral("34Speicher")),
              store(QStringLiteral("4c"), quoted({{}, {}, timRemarks}), quoted({janaSupport, {}, {}}), quoted({{}, {}, {}})));
    EXPECT_EQ(storeFile(QStringLiteral("34Sperre")),
              store(QStringLiteral("4c"), QStringLiteral("0,0,1"), QStringLiteral("1,0,0"), QStringLiteral("0,0,0")));
    EXPECT_EQ(backups(), backupsOf({"34Speicher", "34Sperre", "AVSVspeicher", "AVSVWahl"}));
    leaveBy(supportClubs.Command1(1), WindowNames::SupportClubs);

    const QString display4 = reviewHandedToWord(*start, {1, 10, 9});
    EXPECT_TRUE(display4.contains(QStringLiteral("Klasse: 4c   Schuljahr: 2029/2030  2. Halbjahr\r\n")));
    EXPECT_TRUE(blockOf(display4, Tim).contains(QStringLiteral("\r\nSozialverhalten:\r\n") + timSv + CrLf));
    EXPECT_TRUE(blockOf(display4, Tim).contains(QStringLiteral("\r\nBemerkungen:\r\n") + timRemarks + CrLf));
    EXPECT_TRUE(blockOf(display4, Jana).contains(QStringLiteral("\r\nFörder und Arbeitsgemeinschaften:\r\n") + janaSupport + CrLf));
    EXPECT_EQ(blockOf(display4, Mert), QStringLiteral("Çelik, Mert\r\n\r\nSozialverhalten:\r\n\r\n\r\nFörder und "
                                                      "Arbeitsgemeinschaften:\r\n\r\n\r\nBemerkungen:\r\n\r\n"));
}

// A pupil whose letters Windows-1252 cannot hold keeps them on the whole road: in the pupil list
// and the photo list, in the composed text and its store, in the review and after a restart.
TEST_F(WholeRoadTest, ANameOutsideWindows1252KeepsEveryLetterFromTheMasterDataToTheReview)
{
    const Pupil Lukasz{QStringLiteral("Şahin"), QStringLiteral("Łukasz"), QStringLiteral("05.03.2018"), QStringLiteral("Essen"), 0};
    const QString photo = QStringLiteral("Bild/Şahin_Łukasz_05032018.jpg");
    writeBytes(photo, readBytes(QStringLiteral("Bild/Becker_Lea_05032018.jpg")));
    GsStart* start = &startProgram();
    GsBasis* masterData = &openMasterData(*start);
    messages->expect(EditQuestion, vbYes);
    User::click(masterData->Command5);
    User::click(masterData->Command4(0));
    enterPupil(*masterData, Lukasz);
    User::click(masterData->Command4(2));
    enterPupil(*masterData, Jana);
    User::click(masterData->Command1(0));
    const QByteArray Mark("\xEF\xBB\xBF");
    EXPECT_TRUE(readBytes(QStringLiteral("Daten/Namen.Txt")).startsWith(Mark));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")),
              QStringLiteral("1,\"3a\",\"Şahin\",\"Łukasz\",\"m\",\"05.03.2018\",\"\",\"\",\"\",\"\",\"Essen\"\r\n"
                             "2,\"3a\",\"Brandt\",\"Jana\",\"w\",\"12.04.2019\",\"\",\"\",\"\",\"\",\"Musterstadt\"\r\n"));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Bildliststeuer.Txt")).startsWith(QStringLiteral("1,\"3a\",\"Şahin\",\"Łukasz\",\"Şahin_Łukasz_05032018\"\r\n")));
    // The other files hold no such letter and stay single-byte.
    EXPECT_FALSE(readBytes(QStringLiteral("Daten/Basisdaten.txt")).startsWith(Mark));

    start = &endAndRestart(*masterData, QStringLiteral("3a"), QStringLiteral("2026/2027"), QStringLiteral("1"));
    auto* behaviour = &chooseEntry<GsArbeitsverhalten>(*start, BehaviourEntry, WindowNames::Behaviour);
    EXPECT_EQ(behaviour->Combo1.list(0), QStringLiteral("Şahin  Łukasz"));
    User::chooseItem(behaviour->Combo1, 0);
    EXPECT_TRUE(behaviour->Picture1.pictureFile().endsWith(photo));
    composeBehaviour(*behaviour, behaviour->Command1, {{0, 1}});
    const QString av = behaviour->Text1(0).text();
    EXPECT_TRUE(av.startsWith(QStringLiteral("Łukasz "))) << av.toStdString();
    User::click(behaviour->Command4);
    EXPECT_TRUE(storeFile(QStringLiteral("AVSVspeicher")).startsWith(Mark));
    leaveBy(behaviour->Command5, WindowNames::Behaviour);

    // Read back: the window shows the saved text, the review hands it on.
    behaviour = &chooseEntry<GsArbeitsverhalten>(*start, BehaviourEntry, WindowNames::Behaviour);
    User::chooseItem(behaviour->Combo1, 0);
    EXPECT_EQ(behaviour->Text1(0).text(), av);
    // Nothing was changed since the save: leaving asks nothing.
    leaveBy(behaviour->Command5, WindowNames::Behaviour);
    const QString display = reviewHandedToWord(*start, {0});
    EXPECT_TRUE(blockOf(display, Lukasz).startsWith(QStringLiteral("Şahin, Łukasz\r\nArbeitsverhalten:\r\n") + av + CrLf))
        << display.toStdString();
}

} // namespace
