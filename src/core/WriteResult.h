#pragma once

namespace zt {

// Why a file could not be written, as far as the system told it.
enum class WriteCause {
    None,
    DiskFull,
    ReadOnlyDisk,
    NoPermission,
    NameTooLong,
    NameRefused,          // characters the file system does not take
    FolderMissing,
    PathThroughFile,      // a file where a folder of the path should be
    FolderInPlace,        // a folder where the file should be
    SourceUnreadable,     // the file to be copied
    OutsideProgramFolder, // a name that leads out of the program folder
    Other,
};

// The cause the error number (errno) of a failed call stands for.
WriteCause writeCauseOf(int errorNumber);

// Whether a write reached the disk, and if not, why not.
class WriteResult {
public:
    WriteResult() = default;
    explicit WriteResult(WriteCause cause, int errorNumber = 0) : cause_(cause), errorNumber_(errorNumber) {}
    static WriteResult fromErrorNumber(int errorNumber) { return WriteResult(writeCauseOf(errorNumber), errorNumber); }

    explicit operator bool() const { return cause_ == WriteCause::None; }
    WriteCause cause() const { return cause_; }
    // The system's error number, 0 where the cause is no error of the system's.
    int errorNumber() const { return errorNumber_; }

private:
    WriteCause cause_ = WriteCause::None;
    int errorNumber_ = 0;
};

} // namespace zt
