#include "BenchSupport.h"
#include "editors/GSAenderung12.h"
#include "Floors.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

// The class of the benchmark folder is no grade 1 or 2, so the editor reads the grade 2 set.
const QStringList FilesReadAtLoad = {
    QStringLiteral("Daten\\Namen.Txt"),          QStringLiteral("Daten\\Basisdaten.txt"),
    QStringLiteral("Daten\\Interessen12.Txt"),   QStringLiteral("Daten\\Sprechen2.Txt"),
    QStringLiteral("Daten\\Lesen2.Txt"),         QStringLiteral("Daten\\Schreiben2.Txt"),
    QStringLiteral("Daten\\Mathe2.Txt"),         QStringLiteral("Daten\\Bemerkungen2.Txt"),
    QStringLiteral("Daten\\Versetzung2.Txt"),    QStringLiteral("Daten\\Zwischentexte.Txt")};

std::unique_ptr<GSAenderung12> loadedWithSet()
{
    auto w = std::make_unique<GSAenderung12>();
    w->Form_Load();
    w->Command3_Click(1);
    return w;
}

// Opening the window and loading the current set into its boxes, as the teacher waits for it.
void BM_Load(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadedWithSet());
}

void BM_LoadFloor(benchmark::State& state)
{
    runLoadFloor(state, BareWidgets(*loadedWithSet()), FilesReadAtLoad);
}

BENCHMARK(BM_Load)->Name("Load/GSAenderung12")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/GSAenderung12")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GSAenderung12", "LoadFloor/GSAenderung12"};

} // namespace
} // namespace zt::bench
