#include "ProgramFolderTest.h"
#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <ostream>

namespace zt::test {

void ProgramFolderTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    Files::setProgramFolder(dir.path());
    Files::setWriteFailure(nullptr);
    QDir(dir.path()).mkpath(QStringLiteral("Daten"));
    installFileProblemSink([this](const FileProblemReport& r) { problems.push_back(r); });
}

void ProgramFolderTest::TearDown()
{
    for (const FileProblemReport& r : problems)
        ADD_FAILURE() << "unexpected file problem " << static_cast<int>(r.problem) << " with " << r.path.toStdString();
    Files::setWriteFailure(nullptr);
}

void ProgramFolderTest::installShippedData()
{
    const QString source = QStringLiteral(ZT_DATA_DIR);
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = dir.path() + QLatin1Char('/') + QDir(source).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).path());
        QFile::remove(to);
        ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    }
}

void ProgramFolderTest::writeFile(const QString& relativePath, const QString& text)
{
    writeBytes(relativePath, encodeWindows1252(text));
}

void ProgramFolderTest::writeNamedBlocks(const QString& name, const QString& prefix, int columns, int rows)
{
    QString text;
    for (int row = 0; row < rows; ++row) {
        text += QString::number(row + 1);
        for (int column = 1; column <= columns; ++column)
            text += columns == 1 ? QStringLiteral(",\"%1%2\"").arg(prefix).arg(row)
                                 : QStringLiteral(",\"%1%2r%3\"").arg(prefix).arg(column).arg(row);
        text += QStringLiteral("\r\n");
    }
    writeFile(QStringLiteral("Daten/") + name, text);
}

QStringList ProgramFolderTest::backups() const
{
    return QDir(path(QStringLiteral("Daten/Sicherheit"))).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void ProgramFolderTest::writeBytes(const QString& relativePath, const QByteArray& bytes)
{
    const QString p = path(relativePath);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ProgramFolderTest::readBytes(const QString& relativePath) const
{
    QFile f(Files::resolve(relativePath));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QString ProgramFolderTest::readFile(const QString& relativePath) const { return decodeFileText(readBytes(relativePath)); }
bool ProgramFolderTest::fileExists(const QString& relativePath) const { return Files::exists(relativePath); }

QString ProgramFolderTest::path(const QString& relativePath) const
{
    return dir.path() + QLatin1Char('/') + QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void ProgramFolderTest::expectProblem(FileProblem problem, const QString& pathPart)
{
    if (problems.empty()) {
        ADD_FAILURE() << "expected a file problem with " << pathPart.toStdString() << ", none came";
        return;
    }
    const FileProblemReport r = problems.front();
    problems.pop_front();
    EXPECT_EQ(r.problem, problem) << r.path.toStdString();
    EXPECT_TRUE(r.path.contains(pathPart) || r.otherPath.contains(pathPart))
        << r.path.toStdString() << " / " << r.otherPath.toStdString() << " lacks " << pathPart.toStdString();
}

} // namespace zt::test

namespace zt {
void PrintTo(FileProblem problem, std::ostream* os)
{
    static const char* names[] = {"Missing", "Damaged", "TooManyRecords", "WriteFailed", "CopyFailed", "SaveFailed"};
    *os << names[static_cast<int>(problem)];
}
} // namespace zt
