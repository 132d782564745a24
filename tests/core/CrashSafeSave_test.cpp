#include "core/ProgramFolder.h"
#include "core/PupilStores.h"
#include "core/RecordFile.h"
#include "ProgramFolderTest.h"
#include <QDir>
#include <QFile>
#include <array>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace zt;

namespace {

const std::array<PupilStore, 6> Stores = {PupilStore{QStringLiteral("AVSVspeicher")}, PupilStore{QStringLiteral("AVSVWahl")},
                                          PupilStore{QStringLiteral("12Speicher")},   PupilStore{QStringLiteral("12Sperre")},
                                          PupilStore{QStringLiteral("34Speicher")},   PupilStore{QStringLiteral("34Sperre")}};

StudentList fullClass()
{
    StudentList list;
    list.ClassName = QStringLiteral("3a");
    list.Count = MaxPupils;
    for (int slot = 0; slot < MaxPupils; ++slot) {
        list.Slots[slot].Surname = QStringLiteral("Nachname%1").arg(slot + 1);
        list.Slots[slot].FirstName = QStringLiteral("Vorname%1").arg(slot + 1);
    }
    return list;
}

// A generation of the class's texts: each store differs between generations in content and length.
QString storeText(int store, int generation)
{
    return StoreText(fullClass(), [&](RecordWriter& w, int slot) {
        w.string(QStringLiteral("Text %1 der Fassung %2 für Kind %3. ").arg(store).arg(generation).arg(slot).repeated(1 + generation * 3));
        w.integer(generation);
    });
}

class CrashSafeSave : public test::ProgramFolderTest {};

} // namespace

TEST_F(CrashSafeSave, AKilledSaveLeavesEveryStoreOldOrNewAndTheLeftoverIsRemoved)
{
    std::array<std::array<QByteArray, 2>, 6> versions;
    for (int s = 0; s < 6; ++s) {
        for (int g = 0; g < 2; ++g)
            versions[s][g] = storeText(s, g).toLatin1();
        writeBytes(Stores[s].path(), versions[s][0]);
    }
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> delay(0, 6000);
    for (int round = 0; round < 1000; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the whole class again and again, alternating the two generations.
            for (int generation = 1;; generation ^= 1)
                for (int s = 0; s < 6; ++s)
                    Files::writeText(Stores[s].path(), storeText(s, generation));
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        for (int s = 0; s < 6; ++s) {
            const QByteArray bytes = readBytes(Stores[s].path());
            ASSERT_TRUE(bytes == versions[s][0] || bytes == versions[s][1]) << "round " << round << " store " << s;
            RecordReader reader(QString::fromLatin1(bytes));
            while (!reader.atEnd()) {
                StudentKey::read(reader);
                reader.string();
                reader.integer();
            }
            ASSERT_FALSE(reader.damaged()) << "round " << round << " store " << s;
        }
    }
    Files::removeInterruptedSaves();
    const QStringList left = QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files);
    EXPECT_EQ(left.size(), 6) << left.join(QLatin1Char(' ')).toStdString();
}

TEST_F(CrashSafeSave, AWriteKeepsThePermissionsAndRefusesAFolderInPlaceOfTheFile)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"), QStringLiteral("alt"));
    QFile::setPermissions(path(QStringLiteral("Daten/Namen.Txt")), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(Files::writeText(QStringLiteral("Daten\\Namen.Txt"), QStringLiteral("neu")));
    EXPECT_EQ(QFile::permissions(path(QStringLiteral("Daten/Namen.Txt"))),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    QDir().mkpath(path(QStringLiteral("Daten/AGListe.txt")));
    EXPECT_FALSE(Files::writeText(QStringLiteral("Daten\\AGListe.txt"), QStringLiteral("x")));
    EXPECT_TRUE(QDir(path(QStringLiteral("Daten"))).entryList({QStringLiteral("*~")}, QDir::Files | QDir::Hidden).isEmpty());
}
