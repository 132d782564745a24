#include "DatedCopy.h"
#include "core/FileProblems.h"
#include "core/ProgramFolder.h"
#include "core/WordCommandLine.h"

namespace zt {

bool SaveKeepingDatedCopy(DocumentBuilder& document, const QString& relativePath, const QDate& today)
{
    // The name comes from the class in the pupil list.
    if (!StaysInProgramFolder(relativePath)) {
        reportWriteFailure(relativePath);
        return false;
    }
    if (Files::exists(relativePath)) {
        const QString copy = DatedCopyOf(relativePath, today);
        if (!Files::copy(relativePath, copy)) {
            reportCopyFailure(relativePath, copy);
            return false;
        }
    }
    return document.save(relativePath);
}

} // namespace zt
