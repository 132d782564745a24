#include "BenchSupport.h"
#include "core/ProgramFolder.h"
#include "core/StoreReset.h"
#include "core/StudentSort.h"
#include "core/Windows1252.h"
#include "Floors.h"
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

void BM_MasterDataLoadFloor(benchmark::State& state) { runLoadFloor(state, BareWidgets(*loadedWindow()), FilesReadAtLoad); }

// "Basisdaten speichern": the five files, the Word start and the backup folder.
void BM_MasterDataSave(benchmark::State& state)
{
    const KeptFiles kept(FilesOfTheSave);
    auto w = loadedWindow();
    for (auto _ : state)
        w->Command1_Click(0);
}

void BM_MasterDataSaveFloor(benchmark::State& state)
{
    const KeptFiles kept(FilesOfTheSave);
    loadedWindow()->Command1_Click(0);
    runDurableWrite(state, FilesOfTheSave);
}

void BM_RecreateStores(benchmark::State& state)
{
    const KeptFiles kept(Stores);
    const StudentList students = loadStudents();
    for (auto _ : state)
        RecreateStudentStores(students);
}

void BM_StoresFloor(benchmark::State& state)
{
    const KeptFiles kept(Stores);
    RecreateStudentStores(loadStudents());
    runDurableWrite(state, Stores);
}

// "Schüler alphabetisch sortieren" on a class whose numbers and names sort differently (Nachname10
// before Nachname2); the first sort empties the stores.
void BM_SortList(benchmark::State& state)
{
    const KeptFiles kept(QStringList{StudentsFile, SortedStudentsFile} + Stores);
    auto w = loadedWindow();
    for (auto _ : state)
        w->Command6_Click();
}

// The sort itself and the two files it writes, written as every save writes.
void BM_SortFloor(benchmark::State& state)
{
    const KeptFiles kept(QStringList{StudentsFile, SortedStudentsFile} + Stores);
    loadedWindow()->Command6_Click();
    const StudentList students = loadStudents();
    std::vector<std::pair<QString, QString>> sorted;
    for (const QString& file : {StudentsFile, SortedStudentsFile})
        sorted.emplace_back(file, decodeFileText(readRaw(file)));
    for (auto _ : state) {
        StudentList list = students;
        SortStudents(list);
        benchmark::DoNotOptimize(list.Slots[0].Surname);
        for (const auto& [file, text] : sorted)
            Files::writeText(file, text);
    }
}

BENCHMARK(BM_MasterDataLoad)->Name("Load/GsBasis")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MasterDataLoadFloor)->Name("LoadFloor/GsBasis")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MasterDataSave)->Name("Save/GsBasis")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MasterDataSaveFloor)->Name("SaveFloor/GsBasis")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecreateStores)->Name("EmptyStores/GsBasis")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoresFloor)->Name("EmptyStoresFloor/GsBasis")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortList)->Name("Sort/GsBasis")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortFloor)->Name("SortFloor/GsBasis")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GsBasis", "LoadFloor/GsBasis"};
const Ratio save{"Save/GsBasis", "SaveFloor/GsBasis"};
const Ratio stores{"EmptyStores/GsBasis", "EmptyStoresFloor/GsBasis"};
const Ratio sort{"Sort/GsBasis", "SortFloor/GsBasis"};

} // namespace
} // namespace zt::bench
