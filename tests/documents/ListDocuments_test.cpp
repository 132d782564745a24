#include "common/WordLauncher.h"
#include "core/MasterData.h"
#include "core/PhotoNames.h"
#include "core/ProgramFolder.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "review/Listen.h"
#include "OfficeDocuments.h"
#include "TestProgram.h"
#include "User.h"
#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

// Thirty-three pupils as a school has them: long names, names with umlauts, pupils without clubs
// and with four, one without a gender.
struct Pupil {
    const char* surname;
    const char* firstName;
    const char* gender;
    const char* birthDate;
    const char* birthPlace;
    const char* clubs;
};
const Pupil Class33[] = {
    {"Albers", "Noah", "m", "02.02.2018", "Musterstadt", "Chor"},
    {"Aydin", "Elif", "w", "17.06.2017", "Gelsenkirchen", ""},
    {"Bauer", "Mila", "w", "23.09.2017", "Musterstadt", "Tanz-AG,Kunst-AG"},
    {"Brandt", "Luis", "m", "11.11.2017", "Bochum", "Fußball-AG"},
    {"Dabrowski", "Jakub", "m", "30.01.2018", "Danzig", "Schach-AG,Computer-AG,Garten-AG,Chor"},
    {"Engel", "Hannah", "w", "05.05.2018", "Musterstadt", ""},
    {"Falk", "Theo", "m", "19.08.2017", "Recklinghausen", "Theater-AG"},
    {"Friedrichsen-Oberländer", "Marie-Charlotte", "w", "14.12.2017", "Mülheim an der Ruhr", "Chor,Theater-AG"},
    {"Gärtner", "Felix", "m", "08.03.2018", "Musterstadt", ""},
    {"Hahn", "Lina", "w", "27.07.2017", "Essen", "Kunst-AG"},
    {"Ivanova", "Sofia", "w", "03.10.2017", "Herne", "Schach-AG"},
    {"Jansen", "Ole", "m", "21.04.2018", "Musterstadt", "Fußball-AG,Garten-AG"},
    {"Keller", "Emma", "w", "12.01.2018", "Dortmund", ""},
    {"Krämer", "Paul", "m", "29.02.2016", "Musterstadt", "Computer-AG"},
    {"Lindqvist", "Frida", "w", "16.09.2017", "Oberhausen", "Tanz-AG"},
    {"Meier", "Ben", "m", "07.07.2018", "Musterstadt", ""},
    {"Nguyen", "An", "w", "25.05.2018", "Hanoi", "Chor"},
    {"Özdemir", "Can", "m", "13.02.2018", "Duisburg", "Fußball-AG"},
    {"Petersen", "Ida", "w", "01.12.2017", "Musterstadt", "Garten-AG"},
    {"Quast", "Jonas", "m", "18.10.2017", "Witten", ""},
    {"Richter", "Lea", "w", "09.06.2018", "Musterstadt", "Theater-AG,Tanz-AG"},
    {"Sahin", "Emre", "m", "22.03.2018", "Istanbul", "Schach-AG"},
    {"Schulte", "Clara", "w", "04.08.2017", "Musterstadt", ""},
    {"Schwarzenberger", "Maximilian", "m", "28.11.2017", "Castrop-Rauxel", "Computer-AG,Fußball-AG"},
    {"Tran", "Mai", "w", "15.04.2018", "Musterstadt", "Kunst-AG"},
    {"Ulrich", "Finn", "m", "10.01.2018", "Hagen", ""},
    {"Vogt", "Amelie", "w", "06.06.2017", "Musterstadt", "Chor"},
    {"Wagner", "Leon", "m", "31.07.2018", "Bottrop", "Garten-AG"},
    {"Weiß", "Johanna", "w", "20.02.2018", "Musterstadt", ""},
    {"Wójcik", "Zofia", "w", "24.09.2017", "Kraków", "Tanz-AG"},
    {"Yildiz", "Deniz", "", "12.12.2017", "Musterstadt", ""},
    {"Zimmermann", "Karl", "m", "03.03.2018", "Gladbeck", "Fußball-AG"},
    {"Zoric", "Nika", "w", "26.05.2018", "Zagreb", "Schach-AG"},
};
constexpr int PupilCount = static_cast<int>(std::size(Class33));
// The pupils whose photos lie in Bild, and the one whose photo is no picture.
const int WithPhoto[] = {0, 7, 21, 32};
constexpr int DamagedPhoto = 10;

QString u(const char* text) { return QString::fromUtf8(text); }

class ListDocumentsTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
        Services::install(MakeDocumentLauncher());
        launcher = nullptr;
    }

    // The class as the master data write it: the pupil list and the photo list, and some photos.
    void writeClass(const QString& className)
    {
        StudentList students;
        students.ClassName = className;
        std::array<QString, PupilSlots> pictureNames;
        for (const Pupil& p : Class33) {
            const QStringList clubs = u(p.clubs).split(QLatin1Char(','));
            students.Slots[students.Count] = {className,         u(p.surname), u(p.firstName), u(p.gender),
                                              u(p.birthDate),    clubs.value(0), clubs.value(1), clubs.value(2),
                                              clubs.value(3),    u(p.birthPlace)};
            pictureNames[students.Count] = PictureName(u(p.surname), u(p.firstName), u(p.birthDate));
            ++students.Count;
        }
        RecordWriter names;
        writeStudents(names, students);
        ASSERT_TRUE(writeRecordFile(StudentsFile, names));
        RecordWriter pictures;
        writePictureList(pictures, students, pictureNames);
        ASSERT_TRUE(writeRecordFile(PictureListFile, pictures));
        for (int i : WithPhoto) {
            QImage photo(300, 400, QImage::Format_RGB32);
            photo.fill(QColor::fromHsv(i * 10, 120, 220));
            ASSERT_TRUE(photo.save(path(QStringLiteral("Bild/") + pictureNames[i] + QStringLiteral(".jpg")), "JPG"));
        }
        writeBytes(QStringLiteral("Bild/") + pictureNames[DamagedPhoto] + QStringLiteral(".jpg"), "kein Bild");
    }

    static QString photoFileOf(const Pupil& p)
    {
        return PictureName(u(p.surname), u(p.firstName), u(p.birthDate)) + QStringLiteral(".jpg");
    }

    // The first of the texts that does not follow the ones before it in the printed text; empty when
    // all stand in order.
    static QString firstOutOfOrder(const QString& printed, const QStringList& texts)
    {
        qsizetype at = 0;
        for (const QString& t : texts) {
            at = printed.indexOf(t, at);
            if (at < 0)
                return t;
            at += t.size();
        }
        return QString();
    }

    // The printed line that holds the text.
    static QString lineWith(const QString& printed, const QString& text)
    {
        for (const QString& line : printed.split(QLatin1Char('\n')))
            if (line.contains(text))
                return line;
        return QString();
    }

    Listen& openLists() { return *static_cast<Listen*>(WindowRegistry::instance().Show(WindowNames::Lists)); }
};

class ClassOf33 : public ListDocumentsTest, public ::testing::WithParamInterface<const char*> {};

// The lists window's buttons make the class list, the tally list and the photo list from the data
// on disk and open them; printed, each holds the whole class in list order.
TEST_P(ClassOf33, TheListsWindowMakesAndOpensEachList)
{
    const QString className = u(GetParam());
    writeClass(className);
    Listen& lists = openLists();
    for (int button : {1, 2, 3})
        User::click(lists.Command1(button));
    const QStringList documents{path(QStringLiteral("KlListe.odt")), path(QStringLiteral("StListe.odt")),
                                path(QStringLiteral("BldListe.odt"))};
    ASSERT_EQ(desktop->opened, documents);

    const QList<test::PrintedDocument> printed = test::printDocuments(documents);
    for (const test::PrintedDocument& p : printed)
        ASSERT_TRUE(p.converted) << p.pdfPath.toStdString();
    const test::PrintedDocument& classList = printed[0];
    const test::PrintedDocument& tallyList = printed[1];
    const test::PrintedDocument& photoList = printed[2];
    test::renderFirstPage(classList, QStringLiteral("Klassenliste-%1.png").arg(className));
    test::renderFirstPage(tallyList, QStringLiteral("Strichliste-%1.png").arg(className));
    test::renderFirstPage(photoList, QStringLiteral("Bilderliste-%1.png").arg(className));

    const QString heading = QStringLiteral("Klasse %1 – Schuljahr 2026/2027 – 1. Halbjahr").arg(className);
    for (const test::PrintedDocument& p : printed) {
        EXPECT_TRUE(p.pageTexts.front().contains(QStringLiteral("Grundschule am Lindenhof"))) << p.pdfPath.toStdString();
        EXPECT_TRUE(p.pageTexts.front().contains(heading)) << p.pdfPath.toStdString();
    }

    // The class list, on one page: every pupil with birth date and place; a long name may break at
    // its hyphen or blank.
    auto firstPart = [](const char* text) { return u(text).section(QRegularExpression(QStringLiteral("[- ]")), 0, 0); };
    QStringList classRows;
    for (const Pupil& p : Class33)
        classRows << firstPart(p.surname) << firstPart(p.firstName) << u(p.birthDate) << firstPart(p.birthPlace);
    EXPECT_EQ(firstOutOfOrder(classList.text(), classRows), QString());
    EXPECT_TRUE(classList.text().contains(QStringLiteral("33 Kinder, davon 17 Mädchen, 15 Jungen und 1 ohne Angabe des Geschlechts")));
    EXPECT_TRUE(lineWith(classList.text(), u("Dabrowski")).contains(QStringLiteral("Schach-AG, Computer-AG")));
    EXPECT_EQ(classList.pages, 1);

    // The tally list: one page, every name in order.
    QStringList tallyNames;
    for (const Pupil& p : Class33)
        tallyNames << u(p.surname) + QStringLiteral(", ") + u(p.firstName);
    EXPECT_EQ(tallyList.pages, 1);
    EXPECT_EQ(firstOutOfOrder(tallyList.text(), tallyNames), QString());

    // The photo list: every photo name in order, with what became of its photo.
    QStringList photoNames;
    for (const Pupil& p : Class33)
        photoNames << photoFileOf(p);
    EXPECT_EQ(firstOutOfOrder(photoList.text(), photoNames), QString());
    for (int i = 0; i < PupilCount; ++i) {
        const bool present = std::find(std::begin(WithPhoto), std::end(WithPhoto), i) != std::end(WithPhoto);
        const QString expected = present ? QStringLiteral("vorhanden")
                                 : i == DamagedPhoto ? QStringLiteral("kein lesbares Bild")
                                                     : QStringLiteral("fehlt");
        const QString name = u(Class33[i].surname) + QStringLiteral(", ") + u(Class33[i].firstName);
        EXPECT_TRUE(lineWith(photoList.text(), name).trimmed().endsWith(expected)) << name.toStdString();
    }
    EXPECT_TRUE(photoList.text().contains(QStringLiteral("Fotos vorhanden: 4 von 33, fehlend: 29.")));
    EXPECT_EQ(test::picturesIn(photoList), static_cast<int>(std::size(WithPhoto)));
}

INSTANTIATE_TEST_SUITE_P(Grades, ClassOf33, ::testing::Values("2a", "4b"));

TEST_F(ListDocumentsTest, AListThatCannotBeWrittenIsToldKeepsThePreviousOneAndOpensNothing)
{
    const std::pair<int, const char*> lists[] = {{1, "KlListe.odt"}, {2, "StListe.odt"}, {3, "BldListe.odt"}};
    for (const auto& [button, name] : lists) {
        const QString document = u(name);
        writeBytes(document, "vorher");
        Files::setWriteFailure([document](const QString& p) { return p.endsWith(document); });
        messages->expect(QStringLiteral("Die Datei %1 konnte nicht gespeichert werden").arg(document));
        User::click(openLists().Command1(button));
        Files::setWriteFailure(nullptr);
        EXPECT_EQ(readBytes(document), QByteArray("vorher")) << name;
    }
    EXPECT_TRUE(desktop->opened.isEmpty());
}

TEST_F(ListDocumentsTest, AMissingPupilListOrPhotoListIsToldAndTheListsAreStillMade)
{
    Files::remove(StudentsFile);
    Listen& lists = openLists();
    for (int button : {1, 2}) {
        messages->expect(QStringLiteral("Die Datei Daten\\Namen.Txt ist nicht vorhanden"));
        User::click(lists.Command1(button));
    }
    Files::remove(PictureListFile);
    messages->expect(QStringLiteral("Die Datei Daten\\Namen.Txt ist nicht vorhanden"));
    messages->expect(QStringLiteral("Die Datei Daten\\Bildliststeuer.Txt ist nicht vorhanden"));
    User::click(lists.Command1(3));
    EXPECT_EQ(desktop->opened, (QStringList{path(QStringLiteral("KlListe.odt")), path(QStringLiteral("StListe.odt")),
                                            path(QStringLiteral("BldListe.odt"))}));
}

} // namespace
