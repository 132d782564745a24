#pragma once
#include <QString>
#include <QStringList>
#include <array>

namespace zt {

// The files of the insertion dialog: the teacher's snippets, one string per record, and the
// placeholder list, numbered records of token and description.
inline const QString PlaceholderFile = QStringLiteral("Daten\\Platzhalter.txt");
inline const QString BehaviourSnippetFile = QStringLiteral("Daten\\Einfügungen1.txt");
inline const QString GradeSnippetFile = QStringLiteral("Daten\\Einfügungen2.txt");

struct SnippetFile {
    QStringList rows;
    // Read damaged: saving over it would lose what could not be read.
    bool damaged = false;
};

constexpr int PlaceholderSlots = 31;

struct PlaceholderList {
    std::array<QString, PlaceholderSlots> tokens;
    std::array<QString, PlaceholderSlots> descriptions;
    int count = 0; // slots read
};

// Both readers report a missing, damaged or overlong file and return what they could read.
SnippetFile readSnippetFile(const QString& relativePath);
PlaceholderList readPlaceholderFile();
// False (reported) when the file could not be written; then it is unchanged.
bool writeSnippetFile(const QString& relativePath, const QStringList& rows);

} // namespace zt
