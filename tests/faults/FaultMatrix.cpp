#include "FaultMatrix.h"
#include "common/WordLauncher.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/Windows1252.h"
#include "documents/DocumentBuilder.h"
#include "registry/WindowRegistry.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <exception>
#include <optional>
#include <sys/stat.h>

namespace zt::test {

namespace {

const char* nameOf(Fault fault)
{
    switch (fault) {
    case Fault::MissingFile: return "missing file";
    case Fault::MissingFolder: return "missing folder";
    case Fault::EmptyFile: return "empty file";
    case Fault::CutInQuotedField: return "cut in a quoted field";
    case Fault::MoreRecordsThanSlots: return "more records than slots";
    case Fault::TextForNumber: return "text for a number";
    case Fault::NotWindows1252: return "bytes that are not Windows-1252 text";
    case Fault::NotUtf8: return "bytes that are not UTF-8 text after the UTF-8 mark";
    case Fault::ReadOnlyAtSave: return "read-only at save";
    case Fault::FolderInPlace: return "folder in place of the file";
    case Fault::DiskFull: return "disk full";
    }
    return "";
}

// The records of a file and their fields, as byte ranges; quotes belong to their field.
struct Field {
    qsizetype begin;
    qsizetype end;
    bool quoted;
    qsizetype length() const { return end - begin; }
};
struct Record {
    qsizetype begin;
    qsizetype end;
    std::vector<Field> fields;
};

std::vector<Record> recordsOf(const QByteArray& bytes)
{
    std::vector<Record> records;
    Record record{0, 0, {}};
    qsizetype fieldStart = 0;
    bool inQuotes = false;
    const auto endField = [&](qsizetype end) {
        record.fields.push_back({fieldStart, end, end > fieldStart && bytes.at(fieldStart) == '"'});
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == ',') {
            endField(i);
            fieldStart = i + 1;
        } else if (!inQuotes && (c == '\r' || c == '\n')) {
            endField(i);
            record.end = i;
            records.push_back(record);
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            record = Record{i + 1, i + 1, {}};
            fieldStart = i + 1;
        }
    }
    if (fieldStart < bytes.size()) {
        endField(bytes.size());
        record.end = bytes.size();
        records.push_back(record);
    }
    return records;
}

// The fields of the middle record that pass the test, else those of any record.
std::vector<Field> fieldsWhere(const std::vector<Record>& records, bool quoted)
{
    std::vector<Field> found;
    const auto collect = [&](const Record& r) {
        for (const Field& f : r.fields)
            if (f.quoted == quoted && f.length() > 0)
                found.push_back(f);
    };
    if (!records.empty())
        collect(records[records.size() / 2]);
    for (const Record& r : records)
        if (found.empty())
            collect(r);
    return found;
}

std::optional<Field> longestQuoted(const std::vector<Record>& records)
{
    const std::vector<Field> quoted = fieldsWhere(records, true);
    if (quoted.empty())
        return std::nullopt;
    return *std::max_element(quoted.begin(), quoted.end(),
                             [](const Field& a, const Field& b) { return a.length() < b.length(); });
}

// The file's bytes as the fault leaves them; nothing where the fault cannot happen to this file.
std::optional<QByteArray> damaged(Fault fault, QByteArray bytes, int recordSlots)
{
    const std::vector<Record> records = recordsOf(bytes);
    switch (fault) {
    case Fault::EmptyFile:
        return QByteArray();
    case Fault::CutInQuotedField: {
        const std::optional<Field> f = longestQuoted(records);
        if (!f)
            return std::nullopt;
        return bytes.left(f->begin + 1 + (f->length() - 2) / 2);
    }
    case Fault::TextForNumber: {
        const std::vector<Field> bare = fieldsWhere(records, false);
        if (bare.empty())
            return std::nullopt;
        return bytes.replace(bare.back().begin, bare.back().length(), "zwei");
    }
    case Fault::NotWindows1252:
    case Fault::NotUtf8: {
        const std::optional<Field> f = longestQuoted(records);
        const qsizetype at = f ? f->begin + 1 : (records.empty() ? 0 : records[records.size() / 2].begin);
        if (fault == Fault::NotWindows1252)
            return bytes.insert(at, QByteArray("\x81\x00\x9D", 3));
        // A lone continuation byte, a lead byte without its continuation, and a byte UTF-8 never uses.
        const QByteArray mark("\xEF\xBB\xBF");
        return mark + decodeWindows1252(bytes.left(at)).toUtf8() + "\x80\xC3(\xFF" + decodeWindows1252(bytes.mid(at)).toUtf8();
    }
    case Fault::MoreRecordsThanSlots: {
        if (recordSlots == 0 || records.empty())
            return std::nullopt;
        const Record& last = records.back();
        const QByteArray lastBytes = bytes.mid(last.begin, last.end - last.begin);
        const Field& first = last.fields.front();
        const bool numbered = !first.quoted && first.length() > 0;
        const QByteArray rest = numbered ? lastBytes.mid(first.length()) : lastBytes;
        if (!bytes.endsWith('\n'))
            bytes += "\r\n";
        for (int n = static_cast<int>(records.size()) + 1; n <= recordSlots + 1; ++n)
            bytes += (numbered ? QByteArray::number(n) + rest : rest) + "\r\n";
        return bytes;
    }
    default:
        return std::nullopt;
    }
}

bool contains(const std::vector<Fault>& faults, Fault fault)
{
    return std::find(faults.begin(), faults.end(), fault) != faults.end();
}

bool putBytes(const QString& absolute, const QByteArray& bytes)
{
    if (QFileInfo(absolute).isDir())
        QDir(absolute).removeRecursively();
    QDir().mkpath(QFileInfo(absolute).path());
    QFile f(absolute);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The messages are German: a word that every German sentence of the program is likely to hold.
bool isGerman(const QString& prompt)
{
    static const QStringList words = {QStringLiteral("die"),   QStringLiteral("der"),    QStringLiteral("das"),
                                      QStringLiteral("ist"),   QStringLiteral("nicht"),  QStringLiteral("Sie"),
                                      QStringLiteral("und"),   QStringLiteral("werden"), QStringLiteral("Datei"),
                                      QStringLiteral("keine"), QStringLiteral("kann")};
    const QStringList tokens = prompt.split(QRegularExpression(QStringLiteral("[^\\w]+")), Qt::SkipEmptyParts);
    return std::any_of(tokens.begin(), tokens.end(), [](const QString& t) { return words.contains(t); });
}

const QString TemporarySuffix = QStringLiteral(".speichern~");

// A whole document, as one made before lies there: its copy of the day must be whole too.
QByteArray previousDocument()
{
    static const QByteArray bytes = [] {
        DocumentBuilder document;
        document.text(QStringLiteral("das Dokument vom letzten Mal"));
        return document.bytes();
    }();
    return bytes;
}

bool makesDocuments(const WindowRow& row)
{
    return std::any_of(row.paths.begin(), row.paths.end(), [](const PathUse& p) { return p.use & Document; });
}

// An OpenDocument file is a zip archive: it begins with an entry and ends with its directory.
bool isWholeDocument(const QByteArray& bytes)
{
    return bytes.startsWith("PK\x03\x04") && bytes.size() >= 22 && bytes.mid(bytes.size() - 22, 4) == "PK\x05\x06";
}

} // namespace

void FaultMatrix::SetUp()
{
    TestProgram::SetUp();
    const QString memory = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(memory).isDir() && QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    folder_ = std::make_unique<QTemporaryDir>(base + QStringLiteral("/zt-faults-XXXXXX"));
    ASSERT_TRUE(folder_->isValid());
    Files::setProgramFolder(folder_->path());
    answerQuestions(vbYes);
}

// Questions get the answer, notices their OK.
void FaultMatrix::answerQuestions(int answer)
{
    messages->answerUnscripted([answer](const ShownMessage& m) {
        const int buttons = ButtonsOf(m.style);
        return buttons == vbYesNo || buttons == vbYesNoCancel ? answer : vbOK;
    });
}

void FaultMatrix::TearDown()
{
    Files::setWriteFailure(nullptr);
    TestProgram::TearDown();
}

QString FaultMatrix::absolute(const QString& relativePath) const
{
    return folder_->path() + QLatin1Char('/') + relativePath;
}

// The shipped folder with the row's class and menu entry, kept in memory.
void FaultMatrix::prepare(const WindowRow& row)
{
    const QDir source(QStringLiteral(ZT_DATA_DIR));
    QDirIterator it(source.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        QFile f(from);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << from.toStdString();
        prepared_[source.relativeFilePath(from)] = f.readAll();
    }
    QDirIterator folders(source.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (folders.hasNext())
        preparedFolders_.insert(source.relativeFilePath(folders.next()));

    QByteArray& names = prepared_.at(QStringLiteral("Daten/Namen.Txt"));
    QString list = decodeWindows1252(names);
    list.replace(QRegularExpression(QStringLiteral("(?m)^(\\d+),\"[^\"]*\"")), QStringLiteral("\\1,\"%1\"").arg(row.className));
    names = encodeWindows1252(list);
    prepared_.at(QStringLiteral("Daten/AktivForm.txt")) = QByteArray::number(row.menuEntry) + "\r\n";

    for (const PathUse& use : row.paths) {
        if (!(use.use & Document))
            continue;
        const QString relative = QString(use.path).replace(QLatin1Char('\\'), QLatin1Char('/'));
        prepared_[relative] = previousDocument();
        for (QString folder = QFileInfo(relative).path(); folder != QLatin1String("."); folder = QFileInfo(folder).path())
            preparedFolders_.insert(folder);
    }
}

// What each file of the program folder is now: a write through a temporary file gives a new inode.
FaultMatrix::Stamps FaultMatrix::stamps() const
{
    Stamps found;
    const QDir root(folder_->path());
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat s {};
        if (::stat(QFile::encodeName(path).constData(), &s) == 0)
            found[root.relativeFilePath(path)] = {s.st_ino, s.st_size, s.st_mtim.tv_sec, s.st_mtim.tv_nsec};
    }
    return found;
}

QByteArray FaultMatrix::bytesOf(const QString& relativePath) const
{
    QFile f(absolute(relativePath));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Back to the prepared folder: what a cell added goes, what it changed or removed is put back.
void FaultMatrix::restore()
{
    const QDir root(folder_->path());
    QDirIterator folders(root.path(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    QStringList strayFolders;
    while (folders.hasNext()) {
        const QString path = folders.next();
        if (!preparedFolders_.count(root.relativeFilePath(path)))
            strayFolders << path;
    }
    for (const QString& path : strayFolders)
        QDir(path).removeRecursively();
    for (const QString& folder : preparedFolders_)
        root.mkpath(folder);
    const Stamps now = stamps();
    for (const auto& [relative, stamp] : now)
        if (!prepared_.count(relative))
            QFile::remove(absolute(relative));
    for (const auto& [relative, bytes] : prepared_) {
        const auto found = now.find(relative);
        const auto clean = clean_.find(relative);
        if (found != now.end() && clean != clean_.end() && found->second == clean->second)
            continue;
        ASSERT_TRUE(putBytes(absolute(relative), bytes)) << relative.toStdString();
    }
    clean_ = stamps();
}

std::vector<Fault> FaultMatrix::faultsOf(const PathUse& use) const
{
    if (use.use & Folder)
        return {Fault::MissingFolder};
    std::vector<Fault> faults;
    if (use.use & (Reads | CopiesFrom))
        faults.push_back(Fault::MissingFile);
    if (use.use & Reads)
        for (Fault f : {Fault::EmptyFile, Fault::CutInQuotedField, Fault::MoreRecordsThanSlots, Fault::TextForNumber,
                        Fault::NotWindows1252, Fault::NotUtf8})
            faults.push_back(f);
    faults.push_back(Fault::FolderInPlace);
    if (use.use & Writes) {
        faults.push_back(Fault::ReadOnlyAtSave);
        faults.push_back(Fault::DiskFull);
    }
    return faults;
}

// Writes to the path fail; with `fromThenOn`, every write after the first one to it fails too,
// as on a disk that has just filled up.
void FaultMatrix::failWrites(const QString& path, bool fromThenOn)
{
    const QString target = Files::resolve(path);
    auto full = std::make_shared<bool>(false);
    Files::setWriteFailure([this, target, fromThenOn, full](const QString& written) {
        const bool hit = written.compare(target, Qt::CaseInsensitive) == 0;
        *full = *full || (fromThenOn && hit);
        const bool fails = hit || *full;
        const QString relative = QDir(folder_->path()).relativeFilePath(written);
        if (fails && !refusedWrites_.count(relative)) {
            QFile f(written);
            refusedWrites_[relative] = f.open(QIODevice::ReadOnly) ? std::optional(f.readAll()) : std::nullopt;
        }
        return fails;
    });
}

bool FaultMatrix::apply(const PathUse& use, Fault fault)
{
    const QString target = Files::resolve(use.path);
    switch (fault) {
    case Fault::MissingFile:
        return QFile::remove(target);
    case Fault::MissingFolder:
        return QDir(target).removeRecursively();
    case Fault::FolderInPlace:
        QFile::remove(target);
        return QDir().mkpath(target);
    case Fault::ReadOnlyAtSave:
    case Fault::DiskFull:
        failWrites(use.path, fault == Fault::DiskFull);
        return true;
    default: {
        QFile f(target);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const std::optional<QByteArray> bytes = damaged(fault, f.readAll(), use.recordSlots);
        f.close();
        return bytes && putBytes(target, *bytes);
    }
    }
}

void FaultMatrix::runCells()
{
    const WindowRow& row = GetParam();
    prepare(row);
    if (makesDocuments(row)) {
        Services::install(MakeDocumentLauncher());
        launcher = nullptr;
    }
    for (const PathUse& use : row.paths)
        for (Fault fault : faultsOf(use))
            runCell(row, use, fault);
    RecordProperty("cells", cells_);
}

void FaultMatrix::runCell(const WindowRow& row, const PathUse& use, Fault fault)
{
    restore();
    refusedWrites_.clear();
    SCOPED_TRACE(QStringLiteral("%1: %2").arg(use.path, QLatin1String(nameOf(fault))).toStdString());
    if (!apply(use, fault)) {
        // Only a file without such a field or a limit escapes these; any other cell that cannot
        // be made names a path that the folder lacks.
        EXPECT_TRUE(fault == Fault::CutInQuotedField || fault == Fault::TextForNumber || fault == Fault::MoreRecordsThanSlots)
            << "no such path in the folder";
        return;
    }
    ++cells_;
    const Stamps before = stamps();
    messages->clearShown();
    application->quitCalls = 0;
    desktop->opened.clear();
    WindowRegistry& registry = WindowRegistry::instance();
    try {
        Form* form = registry.Show(row.window);
        if (registry.IsLoaded(row.window)) {
            row.visit(*form, *inputs);
        } else {
            // Only a window that has nothing to work on may close at once, and it says why.
            const std::vector<ShownMessage>& shown = messages->shown();
            const bool told = !row.closesWith.isEmpty() && std::any_of(shown.begin(), shown.end(), [&row](const ShownMessage& m) {
                return m.prompt.contains(row.closesWith);
            });
            EXPECT_TRUE(told) << "the window closed at once";
        }
        settle();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "exception: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "exception";
    }
    leave(row);
    EXPECT_EQ(application->quitCalls, 0);
    checkMessages(use, fault);
    checkFiles(before);
    checkDocumentsOpened(row, use, fault);
    registry.UnloadAll();
    settle();
    Files::setWriteFailure(nullptr);
}

// A save that failed keeps a window whose leaving question was answered Yes, since leaving would
// lose the input; No must then let it go.
void FaultMatrix::leave(const WindowRow& row)
{
    WindowRegistry& registry = WindowRegistry::instance();
    if (!registry.IsLoaded(row.window))
        return;
    answerQuestions(vbNo);
    registry.LeaveAll({row.window});
    settle();
    answerQuestions(vbYes);
    EXPECT_FALSE(registry.IsLoaded(row.window)) << "the window cannot be left";
}

void FaultMatrix::checkMessages(const PathUse& use, Fault fault)
{
    const std::vector<ShownMessage>& shown = messages->shown();
    for (const ShownMessage& m : shown)
        EXPECT_TRUE(isGerman(m.prompt)) << m.prompt.toStdString();
    if (contains(use.silent, fault)) {
        for (const ShownMessage& m : shown)
            EXPECT_NE(ButtonsOf(m.style), vbOKOnly) << "a notice where none belongs: " << m.prompt.toStdString();
        return;
    }
    // The sort's file is named with a slash, as the program spells its path.
    const bool named = std::any_of(shown.begin(), shown.end(), [&use](const ShownMessage& m) {
        return QString(m.prompt).replace(QLatin1Char('/'), QLatin1Char('\\')).contains(use.path, Qt::CaseInsensitive);
    });
    QString prompts;
    for (const ShownMessage& m : shown)
        prompts += QStringLiteral("\n  ") + m.prompt;
    EXPECT_TRUE(named) << "no message names " << use.path.toStdString() << ", shown:" << prompts.toStdString();
}

void FaultMatrix::checkFiles(const Stamps& before) const
{
    const Stamps after = stamps();
    for (const auto& [relative, stamp] : after) {
        EXPECT_FALSE(relative.endsWith(TemporarySuffix)) << "left behind: " << relative.toStdString();
        const auto old = before.find(relative);
        if (old != before.end() && old->second == stamp)
            continue;
        const QByteArray bytes = bytesOf(relative);
        if (relative.endsWith(QLatin1String(".odt"), Qt::CaseInsensitive)) {
            EXPECT_TRUE(isWholeDocument(bytes)) << relative.toStdString() << " is not a whole document";
            continue;
        }
        // Written anew: whole records, every one ended.
        RecordReader reader(decodeFileText(bytes));
        while (!reader.atEnd())
            reader.string();
        EXPECT_FALSE(reader.damaged()) << relative.toStdString() << " is not whole";
        EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n")) << relative.toStdString() << " is cut off";
    }
    for (const auto& [refused, old] : refusedWrites_) {
        const QFileInfo now(absolute(refused));
        const bool same = old ? now.isFile() && bytesOf(refused) == *old : !now.isFile();
        EXPECT_TRUE(same) << refused.toStdString() << " changed although its write failed";
    }
}

void FaultMatrix::checkDocumentsOpened(const WindowRow& row, const PathUse& use, Fault fault) const
{
    const bool writeFails = fault == Fault::ReadOnlyAtSave || fault == Fault::DiskFull || fault == Fault::FolderInPlace;
    if (use.use & NamesDocument)
        return;
    for (const PathUse& document : row.paths) {
        if (!(document.use & Document))
            continue;
        const bool written = !(writeFails && (&document == &use || (use.use & KeptCopy)));
        EXPECT_EQ(desktop->opened.contains(Files::resolve(document.path)), written)
            << document.path.toStdString() << (written ? " was not opened" : " was opened although it was not written");
    }
}

void PrintTo(const WindowRow& row, std::ostream* os) { *os << row.name; }

std::string NameOfRow(const ::testing::TestParamInfo<WindowRow>& info) { return info.param.name; }

} // namespace zt::test
