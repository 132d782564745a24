#pragma once
#include "core/Windows1252.h"
#include <QFile>
#include <QRegularExpression>
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

} // namespace zt::test
