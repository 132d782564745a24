#include "RecordFile.h"
#include "ProgramFolder.h"
#include <algorithm>

namespace zt {

namespace {
// Control codes, the bytes that Windows-1252 leaves unassigned and the stand-in for bytes that are
// no UTF-8 belong to no text the program writes: the file was damaged or is no text file.
bool isText(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20)
        return u == u'\t' || u == u'\r' || u == u'\n';
    return (u < 0x7F || u > 0x9F) && u != QChar::ReplacementCharacter;
}

bool isSeparator(QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
} // namespace

void RecordWriter::separate()
{
    if (fieldInRecord_)
        text_ += QLatin1Char(',');
    fieldInRecord_ = true;
}

RecordWriter& RecordWriter::string(const QString& text)
{
    separate();
    text_ += QLatin1Char('"');
    // Nearly every text is clean and goes in as it is.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c != QLatin1Char('"') && isText(c); })) {
        text_ += text;
    } else {
        QString field = QString(text).replace(QLatin1Char('"'), QLatin1Char('\''));
        field.removeIf([](QChar c) { return !isText(c); });
        text_ += field;
    }
    text_ += QLatin1Char('"');
    return *this;
}

RecordWriter& RecordWriter::integer(int value)
{
    separate();
    text_ += QString::number(value);
    return *this;
}

RecordWriter& RecordWriter::endRecord()
{
    text_ += QLatin1String("\r\n");
    fieldInRecord_ = false;
    return *this;
}

RecordReader::RecordReader(QString text) : text_(std::move(text))
{
    const qsizetype size = text_.size();
    text_.removeIf([](QChar c) { return !isText(c); });
    damaged_ = text_.size() != size;
}

void RecordReader::skipBlanks()
{
    while (pos_ < text_.size() && (text_.at(pos_) == QLatin1Char(' ') || text_.at(pos_) == QLatin1Char('\t')))
        ++pos_;
}

// After a field: blanks, then one comma or one line end.
void RecordReader::passSeparator()
{
    skipBlanks();
    if (pos_ >= text_.size())
        return;
    const QChar c = text_.at(pos_);
    if (c == QLatin1Char(',')) {
        ++pos_;
    } else if (c == QLatin1Char('\r')) {
        ++pos_;
        if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char('\n'))
            ++pos_;
    } else if (c == QLatin1Char('\n')) {
        ++pos_;
    }
}

qsizetype RecordReader::nextSeparator(qsizetype from) const
{
    qsizetype end = from;
    while (end < text_.size() && !isSeparator(text_.at(end)))
        ++end;
    return end;
}

// A closing quote is followed by blanks and a separator, or by the end of the text.
bool RecordReader::closesField(qsizetype quote) const
{
    qsizetype after = quote + 1;
    while (after < text_.size() && (text_.at(after) == QLatin1Char(' ') || text_.at(after) == QLatin1Char('\t')))
        ++after;
    return after >= text_.size() || isSeparator(text_.at(after));
}

QString RecordReader::rawField()
{
    // Line ends before a field are blanks to the reader as well.
    while (pos_ < text_.size() && (text_.at(pos_) == QLatin1Char(' ') || text_.at(pos_) == QLatin1Char('\t')
                                   || text_.at(pos_) == QLatin1Char('\r') || text_.at(pos_) == QLatin1Char('\n')))
        ++pos_;
    if (pos_ >= text_.size()) {
        damaged_ = true;
        return QString();
    }
    QString field;
    const bool quoted = text_.at(pos_) == QLatin1Char('"');
    const qsizetype close = quoted ? text_.indexOf(QLatin1Char('"'), pos_ + 1) : -1;
    if (close >= 0 && closesField(close)) {
        // Inside its quotes a text may hold commas and line breaks.
        field = text_.mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
    } else {
        // An unquoted field, or a quoted one whose closing quote is missing: it ends at its
        // separator, so that a lost quote costs no following field or record.
        const qsizetype end = nextSeparator(pos_);
        field = text_.mid(pos_, end - pos_);
        if (field.contains(QLatin1Char('"'))) {
            damaged_ = true;
            field.remove(QLatin1Char('"'));
        }
        if (!quoted)
            field = field.trimmed();
        pos_ = end;
    }
    passSeparator();
    return field;
}

QString RecordReader::string()
{
    QString field = rawField();
    longest_ = std::max(longest_, field.size());
    return field;
}

qint16 RecordReader::integer(qint16 fallback)
{
    // The usual field: bare digits up to the separator, read where they stand.
    qsizetype at = pos_;
    while (at < text_.size() && (text_.at(at) == QLatin1Char(' ') || text_.at(at) == QLatin1Char('\t')
                                 || text_.at(at) == QLatin1Char('\r') || text_.at(at) == QLatin1Char('\n')))
        ++at;
    const qsizetype start = at;
    int value = 0;
    while (at < text_.size() && at - start < 5 && text_.at(at).isDigit() && text_.at(at).unicode() < 0x80)
        value = value * 10 + (text_.at(at++).unicode() - '0');
    if (at > start && (at >= text_.size() || isSeparator(text_.at(at)))) {
        pos_ = at;
        passSeparator();
        if (value <= 32767)
            return static_cast<qint16>(value);
        damaged_ = true;
        return fallback;
    }
    const QString field = rawField();
    bool ok = false;
    value = field.toInt(&ok);
    if (!ok || value < -32768 || value > 32767) {
        damaged_ = true;
        return fallback;
    }
    return static_cast<qint16>(value);
}

bool RecordReader::atEnd() const
{
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        const QChar c = text_.at(i);
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            return false;
    }
    return true;
}

std::optional<RecordReader> openRecordFile(const QString& relativePath)
{
    std::optional<QString> text = Files::readText(relativePath);
    if (!text)
        return std::nullopt;
    return RecordReader(std::move(*text));
}

WriteResult writeRecordFile(const QString& relativePath, const RecordWriter& records)
{
    return Files::writeText(relativePath, records.text());
}

} // namespace zt
