#pragma once
#include "core/FileProblems.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace zt::test {

// A program folder in a temporary directory, for the rules and file formats that need no window.
// File problems are recorded; each must be expected, or the test fails.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the shipped data/ into the program folder.
    void installShippedData();
    // Writes a file of the program folder from UTF-8 text, stored as Windows-1252.
    void writeFile(const QString& relativePath, const QString& text);
    void writeBytes(const QString& relativePath, const QByteArray& bytes);
    // A block file in Daten whose every cell names itself: "sp1r0" is row 0 of column 1 of the
    // prefix "sp"; a file of one column has "sp0".
    void writeNamedBlocks(const QString& name, const QString& prefix, int columns, int rows);
    QByteArray readBytes(const QString& relativePath) const;
    // The file's text, decoded as the program reads it.
    QString readFile(const QString& relativePath) const;
    bool fileExists(const QString& relativePath) const;
    // The files in Daten\Sicherheit by name: the dated copies of the stores.
    QStringList backups() const;
    QString path(const QString& relativePath) const;

    // The oldest problem not yet expected must be this one, about a path holding `pathPart`.
    void expectProblem(FileProblem problem, const QString& pathPart);

    QTemporaryDir dir;
    std::deque<FileProblemReport> problems;
};

} // namespace zt::test

namespace zt {
void PrintTo(FileProblem problem, std::ostream* os);
}
