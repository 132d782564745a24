#pragma once
#include "core/Windows1252.h"
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace zt::test {

// A file of the shipped data/Daten, as its bytes.
inline QByteArray shipped(const QString& relative)
{
    QFile f(QStringLiteral(ZT_DATA_DIR "/Daten/") + relative);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative.toStdString();
    return f.readAll();
}

// The records of a shipped file, each split into its fields by the record pattern; a record that
// does not match fails the test.
inline std::vector<QStringList> records(const QString& name, const QString& pattern)
{
    const QString text = decodeWindows1252(shipped(name));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n"))) << name.toStdString();
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    const QRegularExpression record(QLatin1Char('^') + pattern + QLatin1Char('$'));
    std::vector<QStringList> result;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = record.match(line);
        EXPECT_TRUE(m.hasMatch()) << name.toStdString() << ": " << line.toStdString();
        QStringList fields = m.capturedTexts();
        fields.removeFirst();
        result.push_back(fields);
    }
    return result;
}

// The cells of a text-block file by column and row, counted from 1: cells[c][row - 1]. The record
// numbers are checked on the way.
inline std::vector<QStringList> cellsOf(const QString& name, int columns, int recordCount)
{
    const auto recs = records(name, QStringLiteral("(\\d+)") + QStringLiteral(",\"([^\"]*)\"").repeated(columns));
    EXPECT_EQ(static_cast<int>(recs.size()), recordCount) << name.toStdString();
    std::vector<QStringList> cells(columns + 1);
    for (int k = 0; k < static_cast<int>(recs.size()); ++k) {
        EXPECT_EQ(recs[k].value(0), QString::number(k + 1)) << name.toStdString();
        for (int c = 1; c <= columns; ++c)
            cells[c] << recs[k].value(c);
    }
    return cells;
}

// Whether a text starts as a sentence or as words that read on, placeholders counted as what they
// become.
inline bool startsUpper(const QString& text)
{
    for (const char* p : {"<Er/Sie>", "<Ihm/Ihr>", "<Sein/Ihr>", "<Vorname>"})
        if (text.startsWith(QLatin1String(p)))
            return true;
    return !text.isEmpty() && text.at(0).isUpper();
}

inline bool startsLower(const QString& text)
{
    for (const char* p : {"<sie/er>", "<ihr/ihm>", "<ihr/sein>"})
        if (text.startsWith(QLatin1String(p)))
            return true;
    return !text.isEmpty() && text.at(0).isLower();
}

// Not empty, trimmed, single blanks, no comma at the end, and placeholders of the full set only.
inline void expectClean(const QString& text)
{
    static const QSet<QString> placeholders = {
        "<sie/er>",  "<Er/Sie>", "<ihr/ihm>",    "<Ihm/Ihr>",   "<ihr/sein>", "<Sein/Ihr>",
        "<Vorname>", "<in>",     "<Schuljahr>", "<Nextschj>", "<Konferenz>"};
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(text, text.trimmed());
    EXPECT_FALSE(text.contains(QStringLiteral("  ")));
    EXPECT_FALSE(text.endsWith(QLatin1Char(',')));
    static const QRegularExpression token(QStringLiteral("<[^>]*>"));
    for (const QRegularExpressionMatch& m : token.globalMatch(text))
        EXPECT_TRUE(placeholders.contains(m.captured())) << m.captured().toStdString();
}

} // namespace zt::test
