#include "core/InsertionFiles.h"
#include "core/MasterData.h"
#include "ProgramFolderTest.h"
#include <functional>
#include <optional>
#include <vector>

using namespace zt;

namespace {

class NumberedFileTest : public test::ProgramFolderTest {};

// The pupil list, the photo list and the placeholder list follow the same rules: an empty, cut or
// misnumbered file is damaged, and a reader that keeps a flag says so.
TEST_F(NumberedFileTest, EveryNumberedListIsDamagedByTheSameFaults)
{
    struct Reading { int count; std::optional<bool> damaged; };
    struct Loader {
        const char* name;
        QString file;
        int slotCount;
        std::function<QString(int)> record;
        std::function<Reading()> load;
    };
    const Loader loaders[] = {
        {"Namen", StudentsFile, PupilSlots,
         [](int n) { return QStringLiteral("%1,\"3a\",\"N%1\",\"V\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n").arg(n); },
         [] { const StudentList l = loadStudents(); return Reading{l.Count, l.Damaged}; }},
        {"Bildliststeuer", PictureListFile, PupilSlots,
         [](int n) { return QStringLiteral("%1,\"3a\",\"N%1\",\"V\",\"N%1_V_\"\r\n").arg(n); },
         [] { const PictureList l = loadPictureList(); return Reading{l.Count, l.Damaged}; }},
        {"Platzhalter", PlaceholderFile, PlaceholderSlots,
         [](int n) { return QStringLiteral("%1,\"<P%1>\",\"Platzhalter %1\"\r\n").arg(n); },
         [] { return Reading{readPlaceholderFile().count, std::nullopt}; }},
    };
    struct Case { const char* name; std::vector<int> numbers; QString tail; bool damaged; int count; };
    const Case cases[] = {
        {"whole", {1, 2}, {}, false, 2},
        {"empty", {}, QStringLiteral("\r\n"), true, 0},
        {"cut in a record", {1, 2}, QStringLiteral("3,\"3"), true, 3},
        {"numbered beyond the slots", {1, 40, 41}, {}, true, -1},
    };
    for (const Loader& l : loaders)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(l.name) + ", " + c.name);
            QString text;
            for (int n : c.numbers)
                text += l.record(n);
            writeFile(QString(l.file).replace(QLatin1Char('\\'), QLatin1Char('/')), text + c.tail);
            const Reading r = l.load();
            EXPECT_EQ(r.count, c.count < 0 ? l.slotCount : c.count);
            if (r.damaged) {
                EXPECT_EQ(*r.damaged, c.damaged);
            }
            if (c.damaged)
                expectProblem(FileProblem::Damaged, l.file);
        }
}

} // namespace
