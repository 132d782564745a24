#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zt::bench {

// A class of the largest size, each pupil with texts of the usual length.
constexpr int ClassSize = 33;

// Raw file access for the bare counterparts of the measurements; a failure ends the benchmark.
void write(const QString& relative, const QString& text);
QByteArray readRaw(const QString& relative);

// The resident memory of the program's process once every window was opened, in kB.
long residentKilobytesWithEveryWindow();

// Each measurement is printed against its floor: the bare work it cannot avoid.
struct Ratio {
    Ratio(const char* measured, const char* floor);
};

} // namespace zt::bench
