#include "WriteResult.h"
#include <cerrno>

namespace zt {

WriteCause writeCauseOf(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return WriteCause::DiskFull;
    case EROFS: return WriteCause::ReadOnlyDisk;
    case EACCES:
    case EPERM: return WriteCause::NoPermission;
    case ENAMETOOLONG: return WriteCause::NameTooLong;
    case EINVAL:
    case EILSEQ: return WriteCause::NameRefused;
    case ENOENT: return WriteCause::FolderMissing;
    case ENOTDIR: return WriteCause::PathThroughFile;
    case EISDIR: return WriteCause::FolderInPlace;
    default: return WriteCause::Other;
    }
}

} // namespace zt
