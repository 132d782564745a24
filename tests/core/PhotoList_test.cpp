#include "core/PhotoList.h"
#include "core/ProgramFolder.h"
#include "ProgramFolderTest.h"
#include <map>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

PictureList pictureList(std::initializer_list<std::pair<const char*, const char*>> names)
{
    PictureList list;
    for (const auto& [name, picture] : names) {
        PictureListRecord& r = list.Slots[list.Count];
        r.Number = ++list.Count;
        r.ClassName = QStringLiteral("4b");
        const QStringList parts = QString::fromUtf8(name).split(QLatin1Char(' '));
        r.FirstName = parts.value(0);
        r.Surname = parts.value(1);
        r.PictureName = QString::fromUtf8(picture);
    }
    return list;
}

// The photos of the folder Bild by their relative path; every other one is missing.
auto photos(std::map<QString, PhotoState> present)
{
    return [present](const QString& relativePath) {
        const auto found = present.find(relativePath);
        return found == present.end() ? PhotoState::Missing : found->second;
    };
}

TEST(PhotoList, EveryPhotoNameInListOrderWithWhetherItsPhotoIsThere)
{
    const PictureList list = pictureList({{"Lea Becker", "Becker_Lea_05032018"},
                                          {"Emir Yilmaz", "Yilmaz_Emir_14112017"},
                                          {"Jonas Schmidt", "Schmidt_Jonas_22072018"},
                                          {"Mia Hoffmann", "Hoffmann_Mia_5/9/2017"},
                                          {"Paul Weber", ""}});
    const PhotoListContent c = PhotoList(list, QStringLiteral("C:\\Zeugnisse\\Bild"),
                                         photos({{QStringLiteral("Bild\\Becker_Lea_05032018.jpg"), PhotoState::Present},
                                                 {QStringLiteral("Bild\\Schmidt_Jonas_22072018.jpg"), PhotoState::Unreadable}}));
    EXPECT_EQ(c.title, QStringLiteral("Fotos der Klasse"));
    EXPECT_EQ(c.columns, (QStringList{QStringLiteral("Nr."), QStringLiteral("Foto"), QStringLiteral("Kind und Name der Fotodatei"),
                                      QStringLiteral("Hinweis")}));
    struct Row {
        const char* number;
        const char* name;
        const char* fileName;
        PhotoState state;
        const char* remark;
    };
    const char* badName = "kein gültiger Dateiname: Namen und Geburtsdatum (TT.MM.JJJJ) in den Schülerdaten prüfen";
    const Row rows[] = {
        {"1", "Becker, Lea", "Becker_Lea_05032018.jpg", PhotoState::Present, "vorhanden"},
        {"2", "Yilmaz, Emir", "Yilmaz_Emir_14112017.jpg", PhotoState::Missing, "fehlt"},
        {"3", "Schmidt, Jonas", "Schmidt_Jonas_22072018.jpg", PhotoState::Unreadable, "kein lesbares Bild"},
        {"4", "Hoffmann, Mia", "Hoffmann_Mia_5/9/2017.jpg", PhotoState::Missing, badName},
        {"5", "Weber, Paul", "", PhotoState::Missing, badName},
    };
    ASSERT_EQ(c.entries.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const PhotoListEntry& e = c.entries[static_cast<qsizetype>(i)];
        EXPECT_EQ(e.number, QString::fromUtf8(rows[i].number));
        EXPECT_EQ(e.name, QString::fromUtf8(rows[i].name));
        EXPECT_EQ(e.fileName, QString::fromUtf8(rows[i].fileName)) << i;
        EXPECT_EQ(e.state, rows[i].state) << i;
        EXPECT_EQ(e.remark, QString::fromUtf8(rows[i].remark)) << i;
    }
    EXPECT_EQ(c.lead, (QStringList{QStringLiteral("Fotos vorhanden: 1 von 5, fehlend: 4."),
                                   QStringLiteral("Ein fehlendes Foto legen Sie als JPEG-Bild unter dem genannten Namen in "
                                                  "den Ordner „Bild“ des Programms: C:\\Zeugnisse\\Bild")}));
}

TEST(PhotoList, TheLeadSaysWhenAllPhotosAreThereOrTheListIsEmpty)
{
    const PictureList list = pictureList({{"Lea Becker", "Becker_Lea_05032018"}, {"Ben Fischer", "Fischer_Ben_08082018"}});
    EXPECT_EQ(PhotoList(list, QString(), [](const QString&) { return PhotoState::Present; }).lead,
              QStringList{QStringLiteral("Alle 2 Fotos sind vorhanden.")});
    const PhotoListContent empty = PhotoList(PictureList{}, QString(), [](const QString&) { return PhotoState::Present; });
    EXPECT_TRUE(empty.entries.isEmpty());
    EXPECT_EQ(empty.lead, QStringList{QStringLiteral("Die Liste der Fotonamen ist leer. Sie entsteht bei jedem „Basisdaten "
                                                     "speichern“ im Fenster der Schul- und Schülerdaten.")});
}

class PictureListFileTest : public test::ProgramFolderTest {};

TEST_F(PictureListFileTest, IsReadAsTheMasterDataWroteIt)
{
    StudentList students;
    students.ClassName = QStringLiteral("4b");
    students.Count = 3;
    students.Slots[0] = {{}, QStringLiteral("Müller"), QStringLiteral("Anna"), {}, {}, {}, {}, {}, {}, {}};
    students.Slots[1] = {{}, QStringLiteral("Roth"), QStringLiteral("Ben"), {}, {}, {}, {}, {}, {}, {}};
    students.Slots[2] = {{}, QStringLiteral("Adam"), QStringLiteral("Ida, \"Idchen\""), {}, {}, {}, {}, {}, {}, {}};
    std::array<QString, PupilSlots> names;
    names[0] = QStringLiteral("Müller_Anna_01022017");
    names[1] = QStringLiteral("Roth_Ben_03042017");
    names[2] = QStringLiteral("Adam_Ida_05062017");
    RecordWriter w;
    writePictureList(w, students, names);
    ASSERT_TRUE(writeRecordFile(PictureListFile, w));

    const PictureList list = loadPictureList();
    ASSERT_EQ(list.Count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.Slots[i].Number, i + 1);
        EXPECT_EQ(list.Slots[i].ClassName, QStringLiteral("4b"));
        EXPECT_EQ(list.Slots[i].Surname, students.Slots[i].Surname);
        EXPECT_EQ(list.Slots[i].PictureName, names[i]);
    }
    EXPECT_EQ(list.Slots[2].FirstName, QStringLiteral("Ida, 'Idchen'"));
}

TEST_F(PictureListFileTest, AMissingEmptyDamagedOrOverlongFileIsReportedAndReadAsFarAsItGoes)
{
    EXPECT_EQ(loadPictureList().Count, 0);
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Bildliststeuer.Txt"));

    writeFile(QStringLiteral("Daten/bildliststeuer.txt"), QString());
    EXPECT_EQ(loadPictureList().Count, 0);
    expectProblem(FileProblem::Damaged, QStringLiteral("Bildliststeuer.Txt"));

    writeFile(QStringLiteral("Daten/bildliststeuer.txt"), QStringLiteral("1,\"2a\",\"Roth\",\"Ben\",\"Roth_Ben_03042017\"\r\n2,\"2a\",\"Adam"));
    const PictureList cut = loadPictureList();
    expectProblem(FileProblem::Damaged, QStringLiteral("Bildliststeuer.Txt"));
    ASSERT_EQ(cut.Count, 2);
    EXPECT_EQ(cut.Slots[0].PictureName, QStringLiteral("Roth_Ben_03042017"));

    QString longList;
    for (int n = 1; n <= PupilSlots + 2; ++n)
        longList += QStringLiteral("%1,\"2a\",\"S%1\",\"V\",\"S%1_V_01012018\"\r\n").arg(n);
    writeFile(QStringLiteral("Daten/Bildliststeuer.Txt"), longList);
    const PictureList overlong = loadPictureList();
    expectProblem(FileProblem::TooManyRecords, QStringLiteral("Bildliststeuer.Txt"));
    EXPECT_EQ(overlong.Count, PupilSlots);
    EXPECT_EQ(overlong.Slots[PupilSlots - 1].Surname, QStringLiteral("S36"));
}

} // namespace
