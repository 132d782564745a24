#include "BenchSupport.h"
#include "core/ProgramFolder.h"
#include "core/StoreReset.h"
#include "core/StudentSort.h"
#include "masterdata/GsBasis.h"
#include <QFile>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace zt::bench {
namespace {

const QStringList FilesReadAtLoad = {BaseDataFile, SibankPathFile, ClubListFile, SibankDefaultsFile, StudentsFile};
const QStringList FilesOfTheSave = {BaseDataFile, SibankPathFile, StudentsFile, ClubListFile, PictureListFile};
const QStringList Stores = {QStringLiteral("Daten\\AVSVspeicher.txt"), QStringLiteral("Daten\\AVSVWahl.txt"),
                            QStringLiteral("Daten\\12Speicher.txt"),   QStringLiteral("Daten\\12Sperre.txt"),
                            QStringLiteral("Daten\\34Speicher.txt"),   QStringLiteral("Daten\\34Sperre.txt")};

// The other windows' benchmarks share the folder: what a measurement rewrites is put back after it.
class KeptFiles {
public:
    explicit KeptFiles(const QStringList& files)
    {
        for (const QString& file : files)
            bytes_[file] = readRaw(file);
    }
    ~KeptFiles()
    {
        for (const auto& [file, bytes] : bytes_)
            writeRaw(file, bytes);
    }
    // Writes the kept bytes straight into their files: the bare work of a write.
    void rewrite(benchmark::State& state) const
    {
        for (const auto& [file, bytes] : bytes_)
            if (!writeRaw(file, bytes))
                state.SkipWithError("raw write failed");
    }

private:
    static bool writeRaw(const QString& file, const QByteArray& bytes)
    {
        QFile f(Files::resolve(file));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    std::map<QString, QByteArray> bytes_;
};

std::unique_ptr<GsBasis> loadedWindow()
{
    auto w = std::make_unique<GsBasis>();
    w->Form_Load();
    return w;
}

void BM_MasterDataLoad(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = loadedWindow();
        benchmark::DoNotOptimize(w->Combo1.listCount());
    }
}

void BM_MasterDataRawRead(benchmark::State& state)
{
    for (auto _ : state)
        for (const QString& file : FilesReadAtLoad)
            benchmark::DoNotOptimize(readRaw(file));
}

// "Basisdaten speichern": the five files, the Word start and the backup folder.
void BM_MasterDataSave(benchmark::State& state)
{
    const KeptFiles kept(FilesOfTheSave);
    auto w = loadedWindow();
    for (auto _ : state)
        w->Command1_Click(0);
}

void BM_MasterDataRawWrite(benchmark::State& state)
{
    auto w = loadedWindow();
    w->Command1_Click(0);
    const KeptFiles saved(FilesOfTheSave);
    for (auto _ : state)
        saved.rewrite(state);
}

void BM_RecreateStores(benchmark::State& state)
{
    const KeptFiles kept(Stores);
    const StudentList students = loadStudents();
    for (auto _ : state)
        RecreateStudentStores(students);
}

void BM_StoresRawWrite(benchmark::State& state)
{
    const KeptFiles kept(Stores);
    RecreateStudentStores(loadStudents());
    const KeptFiles emptied(Stores);
    for (auto _ : state)
        emptied.rewrite(state);
}

// "Schüler alphabetisch sortieren" on a class whose numbers and names sort differently (Nachname10
// before Nachname2).
void BM_SortList(benchmark::State& state)
{
    const KeptFiles kept({StudentsFile, SortedStudentsFile});
    auto w = loadedWindow();
    for (auto _ : state)
        w->Command6_Click();
}

// The sort itself and the two files it writes.
void BM_SortRawWrite(benchmark::State& state)
{
    const KeptFiles kept({StudentsFile, SortedStudentsFile});
    loadedWindow()->Command6_Click();
    const KeptFiles sorted({StudentsFile, SortedStudentsFile});
    const StudentList students = loadStudents();
    for (auto _ : state) {
        StudentList list = students;
        SortStudents(list);
        benchmark::DoNotOptimize(list.Slots[0].Surname);
        sorted.rewrite(state);
    }
}

BENCHMARK(BM_MasterDataLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MasterDataRawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MasterDataSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MasterDataRawWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecreateStores)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoresRawWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortRawWrite)->Unit(benchmark::kMicrosecond);
const Ratio load{"BM_MasterDataLoad", "BM_MasterDataRawRead"};
const Ratio save{"BM_MasterDataSave", "BM_MasterDataRawWrite"};
const Ratio stores{"BM_RecreateStores", "BM_StoresRawWrite"};
const Ratio sort{"BM_SortList", "BM_SortRawWrite"};

} // namespace
} // namespace zt::bench
