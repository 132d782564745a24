#include "common/FileMessages.h"
#include "core/FileProblems.h"
#include "core/MasterData.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "TestProgram.h"
#include <QDir>
#include <cerrno>

using namespace zt;

namespace {

class FileMessagesTest : public test::TestProgram {
protected:
    void save(const QString& relativePath)
    {
        RecordWriter w;
        w.string(QStringLiteral("neu")).endRecord();
        EXPECT_FALSE(saveMasterFile(relativePath, w));
    }
};

const QString Kept = QStringLiteral(" konnte nicht gespeichert werden. Die bisherige Fassung bleibt erhalten. ");

// The teacher learns why a file could not be written, from what the system told.
TEST_F(FileMessagesTest, AFailedWriteNamesItsCause)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"), QStringLiteral("alt"));
    QDir().mkpath(path(QStringLiteral("Daten/Basisdaten.txt")));
    const QString tooLong = QStringLiteral("Daten\\") + QString(300, QLatin1Char('a')) + QStringLiteral(".txt");
    struct Case { QString path; int simulated; QString cause; };
    const Case cases[] = {
        {tooLong, 0, QStringLiteral("Der Name ist für das Dateisystem zu lang.")},
        {QStringLiteral("Fehlt\\AGListe.txt"), 0, QStringLiteral("Der Ordner, in den sie gehört, ist nicht vorhanden.")},
        {QStringLiteral("Daten\\Namen.Txt\\AGListe.txt"), 0, QStringLiteral("Wo ein Ordner ihres Pfades sein müsste, liegt eine Datei.")},
        {QStringLiteral("Daten\\Basisdaten.txt"), 0, QStringLiteral("An ihrer Stelle liegt ein Ordner gleichen Namens.")},
        {QStringLiteral("Daten\\AGListe.txt"), ENOSPC, QStringLiteral("Der Datenträger ist voll.")},
        {QStringLiteral("Daten\\AGListe.txt"), EROFS, QStringLiteral("Der Datenträger ist schreibgeschützt.")},
        {QStringLiteral("Daten\\AGListe.txt"), EIO, QStringLiteral("Das System meldet den Fehler Nummer 5.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause.toStdString());
        if (c.simulated != 0)
            Files::setWriteFailure([](const QString&) { return true; }, c.simulated);
        messages->expect(QStringLiteral("Die Datei ") + c.path + Kept + c.cause);
        save(c.path);
        Files::setWriteFailure(nullptr);
        messages->verifyDone();
    }
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Namen.Txt")), QByteArray("alt"));
}

// One save that fails for several files tells a shared cause once, and different ones file by file.
TEST_F(FileMessagesTest, ASaveFailingForSeveralFilesNamesTheCauses)
{
    Files::setWriteFailure([](const QString&) { return true; }, ENOSPC);
    messages->expect(QStringLiteral("Ihre bisherigen Fassungen bleiben erhalten. Der Datenträger ist voll.\r\n"
                                    "\r\nDaten\\Basisdaten.txt\r\nDaten\\AGListe.txt"));
    {
        const OneSave together;
        save(QStringLiteral("Daten\\Basisdaten.txt"));
        save(QStringLiteral("Daten\\AGListe.txt"));
    }
    Files::setWriteFailure(nullptr);
    messages->expect(QStringLiteral("Ihre bisherigen Fassungen bleiben erhalten.\r\n"
                                    "\r\nFehlt\\Basisdaten.txt: Der Ordner, in den sie gehört, ist nicht vorhanden."
                                    "\r\nDaten\\Sicherheit\\AGListe.txt (Kopie von Daten\\AGListe.txt): Die Datei, die "
                                    "kopiert werden sollte, ist nicht vorhanden oder kann nicht gelesen werden."));
    {
        const OneSave together;
        save(QStringLiteral("Fehlt\\Basisdaten.txt"));
        reportCopyFailure(QStringLiteral("Daten\\AGListe.txt"), QStringLiteral("Daten\\Sicherheit\\AGListe.txt"),
                          Files::copy(QStringLiteral("Daten\\AGListe.txt"), QStringLiteral("Daten\\Sicherheit\\AGListe.txt")));
    }
}

} // namespace
