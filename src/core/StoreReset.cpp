#include "StoreReset.h"
#include "ProgramFolder.h"
#include "PupilStores.h"

namespace zt {

namespace {
struct EmptiedStore {
    PupilStore store;
    int texts;
    int zeros;
};

const EmptiedStore EmptiedStores[] = {
    {AvSvTextStore, 2, 0},     {AvSvChoiceStore, 0, 15}, {Grade12TextStore, 8, 0},
    {Grade12LockStore, 0, 8}, {Grade34TextStore, 3, 0}, {Grade34LockStore, 0, 3},
};
} // namespace

bool RecreateStudentStores(const StudentList& students)
{
    bool all = true;
    for (const EmptiedStore& e : EmptiedStores) {
        const bool written = WriteStore(e.store, students, [&e](RecordWriter& w, int) {
            for (int i = 0; i < e.texts; ++i)
                w.string(QString());
            for (int i = 0; i < e.zeros; ++i)
                w.integer(0);
        });
        all = all && written;
    }
    return all;
}

void ClearBackupFolder()
{
    for (const QString& name : Files::filesEndingWith(BackupFolder, QStringLiteral(".txt")))
        Files::remove(BackupFolder + QLatin1Char('\\') + name);
}

} // namespace zt
