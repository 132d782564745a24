#include "BenchSupport.h"
#include "editors/GSAenderung34.h"
#include "Floors.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

// The class of the benchmark folder is a grade 3, so the editor reads Versetzung3.Txt only.
const QStringList FilesReadAtLoad = {
    QStringLiteral("Daten\\Namen.Txt"),         QStringLiteral("Daten\\Basisdaten.txt"),
    QStringLiteral("Daten\\Förder34.Txt"),      QStringLiteral("Daten\\Zensurabweichung.Txt"),
    QStringLiteral("Daten\\Interessen34.Txt"),  QStringLiteral("Daten\\Versetzung3.Txt"),
    QStringLiteral("Daten\\Bemerkungen34.Txt"), QStringLiteral("Daten\\AG.Txt")};

std::unique_ptr<GSAenderung34> loadedWithSet()
{
    auto w = std::make_unique<GSAenderung34>();
    w->Form_Load();
    w->Command1_Click(1);
    return w;
}

// Opening the window and loading the current set into its boxes, as the teacher waits for it.
void BM_Load(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadedWithSet());
}

void BM_LoadFloor(benchmark::State& state) { runLoadFloor(state, BareWidgets(*loadedWithSet()), FilesReadAtLoad); }

BENCHMARK(BM_Load)->Name("Load/GSAenderung34")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/GSAenderung34")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GSAenderung34", "LoadFloor/GSAenderung34"};

} // namespace
} // namespace zt::bench
