#pragma once
#include "WriteResult.h"
#include <QString>
#include <optional>

namespace zt {

// Builds the text of a record file: fields separated by a comma, strings in double quotes,
// integers bare, every record ended by CR LF.
class RecordWriter {
public:
    // A double quote cannot be stored (there is no escape): it is written as an apostrophe. Control
    // codes, which a reader takes for damage, are left out.
    RecordWriter& string(const QString& text);
    RecordWriter& integer(int value);
    RecordWriter& endRecord();
    const QString& text() const { return text_; }

private:
    void separate();
    QString text_;
    bool fieldInRecord_ = false;
};

// Reads the fields of a record file one by one, in the written order and with the written types.
// A line end separates fields as a comma does.
class RecordReader {
public:
    explicit RecordReader(QString text);

    QString string();
    // A field that holds no number gives the fallback.
    qint16 integer(qint16 fallback = 0);
    // True once nothing but blanks and line ends is left.
    bool atEnd() const;
    // True when a field was asked for beyond the end, an integer field held no number, a quote
    // stood where none belongs (in an unquoted field, or a quoted field without its closing quote),
    // or the text held characters that are no text (control codes, bytes of a UTF-8 file that are
    // no UTF-8), which the reader drops.
    bool damaged() const { return damaged_; }
    void markDamaged() { damaged_ = true; }
    // The length of the longest text field read so far.
    qsizetype longestString() const { return longest_; }

private:
    void skipBlanks();
    void passSeparator();
    QString rawField();
    qsizetype nextSeparator(qsizetype from) const;
    bool closesField(qsizetype quote) const;

    QString text_;
    qsizetype pos_ = 0;
    bool damaged_ = false;
    qsizetype longest_ = 0;
};

// The record files of the program folder. Failures are reported to the user by the callers.
std::optional<RecordReader> openRecordFile(const QString& relativePath);
WriteResult writeRecordFile(const QString& relativePath, const RecordWriter& records);

// Numbered records: a running number starting at 0; each record lands in the slot named by the
// number of the record before it, so record k lands in slot k-1 and the last number is the count.
// readRest(slot) must read the record's other fields; slot may lie outside the caller's slots
// (the caller then reads them into scratch fields). Reading stops after `limit` records.
struct NumberedResult {
    int count = 0;            // number of the last record read
    bool truncated = false;   // the file holds more records than the limit
};

template <class ReadRest>
NumberedResult readNumbered(RecordReader& reader, int limit, ReadRest readRest)
{
    NumberedResult result;
    int records = 0;
    while (!reader.atEnd()) {
        if (records == limit) {
            result.truncated = true;
            break;
        }
        const int slot = result.count;
        // An unreadable number is taken for the next one: the records after it keep their slots
        // instead of starting again at slot 0.
        result.count = reader.integer(static_cast<qint16>(slot + 1));
        // A record that has no slot is lost to the reader: the file counts as damaged.
        if (slot < 0 || slot >= limit || result.count > limit)
            reader.markDamaged();
        readRest(slot);
        ++records;
    }
    return result;
}

} // namespace zt
