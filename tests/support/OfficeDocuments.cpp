#include "OfficeDocuments.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>

namespace zt::test {

namespace {
QString run(const QString& program, const QStringList& arguments, int timeoutMs = 120000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// One profile for the whole test program, so that the suite is set up once and never meets the
// profile of a suite the teacher has open; it goes when the test program ends.
struct Profile {
    QString folder = QDir::tempPath() + QStringLiteral("/zt-office-profile-") + QString::number(QCoreApplication::applicationPid());
    ~Profile() { QDir(folder).removeRecursively(); }
};

QString profileUrl()
{
    static const Profile profile;
    return QUrl::fromLocalFile(profile.folder).toString();
}

// Says once per test program which tool is missing, instead of letting every test fail on an empty document.
void requireTools()
{
    static const QString missing = [] {
        QStringList lines;
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            lines << QStringLiteral("LibreOffice (soffice) fehlt: tools/install-deps.sh --documents installiert es");
        for (const char* tool : {"pdftotext", "pdftoppm", "pdfimages"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                lines << QStringLiteral("%1 fehlt: tools/install-deps.sh --documents installiert poppler-utils").arg(QString::fromLatin1(tool));
        return lines.join(QLatin1Char('\n'));
    }();
    static bool said = false;
    if (!missing.isEmpty() && !said) {
        said = true;
        ADD_FAILURE() << qPrintable(missing);
    }
}
} // namespace

PrintedDocument printDocument(const QString& absolutePath) { return printDocuments({absolutePath}).front(); }

QList<PrintedDocument> printDocuments(const QStringList& absolutePaths)
{
    requireTools();
    // The suite writes every PDF into one folder: each beside its document, folder by folder.
    QMap<QString, QStringList> byFolder;
    for (const QString& path : absolutePaths)
        byFolder[QFileInfo(path).absolutePath()] << path;
    for (auto folder = byFolder.cbegin(); folder != byFolder.cend(); ++folder)
        run(QStringLiteral("soffice"), QStringList{QStringLiteral("-env:UserInstallation=") + profileUrl(),
                                                   QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                                   QStringLiteral("pdf"), QStringLiteral("--outdir"), folder.key()}
                                           + folder.value());
    QList<PrintedDocument> all;
    for (const QString& path : absolutePaths) {
        PrintedDocument printed;
        const QFileInfo source(path);
        printed.pdfPath = source.absolutePath() + QLatin1Char('/') + source.completeBaseName() + QStringLiteral(".pdf");
        printed.converted = QFileInfo::exists(printed.pdfPath);
        if (printed.converted) {
            const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), printed.pdfPath, QStringLiteral("-")});
            printed.pageTexts = text.split(QLatin1Char('\f'));
            // pdftotext ends every page with a form feed, so the last piece is empty.
            if (!printed.pageTexts.isEmpty() && printed.pageTexts.back().trimmed().isEmpty())
                printed.pageTexts.removeLast();
            printed.pages = static_cast<int>(printed.pageTexts.size());
        }
        all << printed;
    }
    return all;
}

int picturesIn(const PrintedDocument& printed)
{
    // One line per picture below a header of two lines.
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printed.pdfPath}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return std::max(0, static_cast<int>(lines.size()) - 2);
}

void renderFirstPage(const PrintedDocument& printed, const QString& fileName)
{
    QDir().mkpath(QStringLiteral(ZT_SCREENS_DIR));
    QString stem = QStringLiteral(ZT_SCREENS_DIR) + QLatin1Char('/') + fileName;
    if (stem.endsWith(QLatin1String(".png")))
        stem.chop(4);
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"),
                                     QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                                     printed.pdfPath, stem});
}

} // namespace zt::test
