#include "common/StudentPicture.h"
#include "platform/Form.h"
#include "TestProgram.h"
#include <QFile>
#include <QFileInfo>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

class PhotoWindow : public Form {
public:
    PhotoWindow() : Form(QStringLiteral("Photo")) { Picture1.move(120, 120, 1800, 2400); }
    PictureBox Picture1{*this};
};

class ShowStudentPictureTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
        // A file of the right name that is no picture.
        writeBytes(QStringLiteral("Bild/Kaputt_Tom_01012018.jpg"), QByteArray("kein Bild"));
    }

    QString shownFile() const { return QFileInfo(window.Picture1.pictureFile()).fileName(); }

    PhotoWindow window;
};

TEST_F(ShowStudentPictureTest, ShowsThePupilsPhotoOrTheDefault)
{
    struct Case {
        const char* pictureName;
        const char* extension;
        const char* shown;
    };
    const Case cases[] = {
        {"Becker_Lea_05032018", ".jpg", "Becker_Lea_05032018.jpg"},
        // Letter case of the name does not matter.
        {"Becker_Lea_05032018", ".JPG", "Becker_Lea_05032018.jpg"},
        {"becker_lea_05032018", ".jpg", "Becker_Lea_05032018.jpg"},
        {"Meyer_Lea_05032005", ".jpg", "SMILI.jpg"},
        {"Kaputt_Tom_01012018", ".jpg", "SMILI.jpg"},
        {"", ".jpg", "SMILI.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pictureName);
        window.Picture1.clearPicture();
        ShowStudentPicture(window.Picture1, QString::fromUtf8(c.pictureName), QString::fromUtf8(c.extension));
        EXPECT_EQ(shownFile(), QString::fromUtf8(c.shown));
    }
}

TEST_F(ShowStudentPictureTest, WithoutTheDefaultPictureTheBoxIsEmpty)
{
    ShowStudentPicture(window.Picture1, QStringLiteral("Becker_Lea_05032018"));
    ASSERT_TRUE(window.Picture1.hasPicture());
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("Bild/SMILI.jpg"))));
    // The previous pupil's photo must not stay beside the next pupil's texts.
    ShowStudentPicture(window.Picture1, QStringLiteral("Meyer_Lea_05032005"));
    EXPECT_FALSE(window.Picture1.hasPicture());
    ShowStudentPicture(window.Picture1, QStringLiteral("Yilmaz_Emir_14112017"));
    EXPECT_EQ(shownFile(), QStringLiteral("Yilmaz_Emir_14112017.jpg"));
}

} // namespace
