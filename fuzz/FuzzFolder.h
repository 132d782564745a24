#pragma once
#include "core/FileProblems.h"
#include "core/ProgramFolder.h"
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace zt::fuzz {

// A program folder of the fuzzing process, made once; each input becomes one data file in it, read
// the way the program reads it. File problems are expected and go nowhere.
inline void putInput(const QString& relativePath, const std::uint8_t* data, std::size_t size)
{
    static const bool ready = [] {
        const QString folder = QDir::tempPath() + QStringLiteral("/zt-fuzz-%1").arg(QCoreApplication::applicationPid());
        QDir().mkpath(folder + QStringLiteral("/Daten/Standard"));
        Files::setProgramFolder(folder);
        installFileProblemSink([](const FileProblemReport&) {});
        std::atexit([] { QDir(Files::programFolder()).removeRecursively(); });
        return true;
    }();
    (void)ready;
    QFile f(Files::programFolder() + QLatin1Char('/') + QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

} // namespace zt::fuzz
