#include "ActiveForm.h"
#include "FileProblems.h"
#include "RecordFile.h"
#include <QString>

namespace zt {

namespace {
const QString ActiveFormFile = QStringLiteral("Daten\\AktivForm.txt");
}

bool writeActiveForm(int menuIndex)
{
    RecordWriter w;
    w.integer(menuIndex).endRecord();
    const WriteResult written = writeRecordFile(ActiveFormFile, w);
    if (!written)
        reportWriteFailure(ActiveFormFile, written);
    return bool(written);
}

std::optional<int> readActiveForm()
{
    std::optional<RecordReader> reader = openRecordFile(ActiveFormFile);
    if (!reader) {
        reportMissingFile(ActiveFormFile);
        return std::nullopt;
    }
    const int index = reader->integer();
    if (reader->damaged()) {
        reportDamagedFile(ActiveFormFile);
        return std::nullopt;
    }
    return index;
}

} // namespace zt
