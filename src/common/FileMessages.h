#pragma once
#include <QString>

namespace zt {

// Makes every file problem that the readers and writers meet a German message box naming the file.
void installFileMessages();

// Before a window saves over a file that was read damaged: what could not be read would be lost.
// `detail` says more of what would change, where the window knows it. True when the teacher wants
// the file replaced; No keeps it as it is.
bool ConfirmOverwriteDamagedFile(const QString& relativePath, const QString& detail = QString());

// A file holds a text longer than a box takes: its box shows only the beginning, takes no input
// and keeps the text whole.
void ReportTextLongerThanABox(const QString& relativePath, qsizetype length);

} // namespace zt
