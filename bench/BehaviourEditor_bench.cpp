#include "BenchSupport.h"
#include "editors/GSAVSVAenderung.h"
#include "Floors.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QStringList FilesReadAtLoad = {QStringLiteral("Daten\\AVKategorien.txt"), QStringLiteral("Daten\\TexteAV.txt"),
                                     QStringLiteral("Daten\\SVKategorien.txt"), QStringLiteral("Daten\\TexteSV.txt")};

std::unique_ptr<GSAVSVAenderung> loadedWithSet()
{
    auto w = std::make_unique<GSAVSVAenderung>();
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

void BM_LoadFloor(benchmark::State& state)
{
    runLoadFloor(state, BareWidgets(*loadedWithSet()), FilesReadAtLoad);
}

BENCHMARK(BM_Load)->Name("Load/GSAVSVAenderung")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/GSAVSVAenderung")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GSAVSVAenderung", "LoadFloor/GSAVSVAenderung"};

} // namespace
} // namespace zt::bench
