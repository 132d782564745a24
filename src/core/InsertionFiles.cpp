#include "InsertionFiles.h"
#include "FileProblems.h"
#include "NumberedFile.h"
#include <optional>

namespace zt {

SnippetFile readSnippetFile(const QString& relativePath)
{
    SnippetFile file;
    std::optional<RecordReader> reader = openRecordFile(relativePath);
    if (!reader) {
        reportMissingFile(relativePath);
        return file;
    }
    while (!reader->atEnd())
        file.rows << reader->string();
    file.damaged = reader->damaged();
    if (file.damaged)
        reportDamagedFile(relativePath);
    return file;
}

PlaceholderList readPlaceholderFile()
{
    PlaceholderList list;
    list.count = readNumberedFile(PlaceholderFile, PlaceholderSlots, [&](RecordReader& reader, int slot) {
                     const QString token = reader.string();
                     const QString description = reader.string();
                     if (slot >= 0 && slot < PlaceholderSlots) {
                         list.tokens[static_cast<std::size_t>(slot)] = token;
                         list.descriptions[static_cast<std::size_t>(slot)] = description;
                     }
                 }).count;
    return list;
}

bool writeSnippetFile(const QString& relativePath, const QStringList& rows)
{
    RecordWriter writer;
    for (const QString& row : rows)
        writer.string(row).endRecord();
    const WriteResult written = writeRecordFile(relativePath, writer);
    if (!written)
        reportWriteFailure(relativePath, written);
    return bool(written);
}

} // namespace zt
