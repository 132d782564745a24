#pragma once
#include "platform/Form.h"
#include "TestProgram.h"
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

namespace zt::test {

// What can go wrong with a file or a folder of the program folder.
enum class Fault {
    MissingFile,
    MissingFolder,
    EmptyFile,
    CutInQuotedField,
    MoreRecordsThanSlots,
    TextForNumber,
    NotWindows1252,
    // A file in the UTF-8 form the program writes for names Windows-1252 cannot hold.
    NotUtf8,
    ReadOnlyAtSave,
    FolderInPlace,
    DiskFull,
};

// How a window uses a path of the program folder.
enum Use {
    Reads = 1,
    Writes = 2,
    ReadsAndWrites = Reads | Writes,
    // Copied byte for byte, never read as records: only its absence can be told.
    CopiesFrom = 4,
    Folder = 8,
    // A document that a stand-in writes anew through the program's own launcher: one made before
    // lies there and stays when the write fails; a document written is opened, one not written is not.
    Document = 16,
    // The copy of the day of a document the teacher may have edited: when it cannot be made, the
    // document is not written over either.
    KeptCopy = 32,
    // Names the document (the class, the half-year): a fault here may leave nothing to name, and then
    // nothing is written or opened.
    NamesDocument = 64,
};

struct PathUse {
    QString path; // as the program names it: "Daten\\Namen.Txt"
    int use = Reads;
    // The records its reader keeps; 0 for a reader without a limit.
    int recordSlots = 0;
    // Faults the window rightly passes over in silence (an empty store is a class without texts).
    std::vector<Fault> silent = {};
};

struct WindowRow {
    const char* name;
    QString window;
    // The class of the pupil list, which decides the grade.
    QString className = QStringLiteral("2a");
    // The main-menu entry the window was opened from, as Daten\AktivForm.txt holds it.
    int menuEntry = 0;
    std::vector<PathUse> paths;
    // Acts a little as the teacher would and checks that the main controls respond, saves where
    // the window saves, and leaves it.
    std::function<void(Form&, ScriptedInputBox&)> visit;
    // Part of the message with which the window closes at once when it has nothing to work on;
    // empty for a window that always stays.
    QString closesWith = {};
};

// Opens the row's window once per fault of each of its paths, on a fresh copy of the shipped
// folder each time. Every cell must end with a German message naming the path (or none, where
// the fault is harmless), the window usable and left (at the latest with No to its question), no
// quit, and every file whole: a file whose write failed keeps its bytes, a file written anew reads
// back as records (a document as a whole document), no temporary file stays.
class FaultMatrix : public TestProgram, public ::testing::WithParamInterface<WindowRow> {
protected:
    void SetUp() override;
    void TearDown() override;
    void runCells();

private:
    struct Stamp {
        quint64 inode;
        qint64 size;
        qint64 seconds;
        qint64 nanoseconds;
        bool operator==(const Stamp&) const = default;
    };
    using Stamps = std::map<QString, Stamp>;
    void answerQuestions(int answer);
    void prepare(const WindowRow& row);
    void restore();
    Stamps stamps() const;
    QByteArray bytesOf(const QString& relativePath) const;
    std::vector<Fault> faultsOf(const PathUse& use) const;
    bool apply(const PathUse& use, Fault fault);
    void failWrites(const QString& path, bool fromThenOn);
    void runCell(const WindowRow& row, const PathUse& use, Fault fault);
    void leave(const WindowRow& row);
    void checkMessages(const PathUse& use, Fault fault);
    void checkFiles(const Stamps& before) const;
    void checkDocumentsOpened(const WindowRow& row, const PathUse& use, Fault fault) const;
    QString absolute(const QString& relativePath) const;

    // In memory where the system has a memory file system, since the program syncs every write.
    std::unique_ptr<QTemporaryDir> folder_;
    std::map<QString, QByteArray> prepared_;
    // The files as the last restore left them.
    Stamps clean_;
    std::set<QString> preparedFolders_;
    // Each file whose write failed, with its bytes at the first failure (nothing: it did not exist).
    std::map<QString, std::optional<QByteArray>> refusedWrites_;
    int cells_ = 0;
};

void PrintTo(const WindowRow& row, std::ostream* os);
std::string NameOfRow(const ::testing::TestParamInfo<WindowRow>& info);

} // namespace zt::test
