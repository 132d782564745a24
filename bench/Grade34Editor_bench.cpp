#include "BenchSupport.h"
#include "editors/GSAenderung34.h"
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

// Opening the window and loading the current set into its boxes. A set loads once per window, so
// every round has a window of its own, built outside the measurement.
void BM_Grade34EditorLoad(benchmark::State& state)
{
    std::unique_ptr<GSAenderung34> w;
    for (auto _ : state) {
        state.PauseTiming();
        w = std::make_unique<GSAenderung34>();
        state.ResumeTiming();
        w->Form_Load();
        w->Command1_Click(1);
        benchmark::DoNotOptimize(w->Text4(20).text());
    }
}

void BM_Grade34RawRead(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& file : FilesReadAtLoad)
            benchmark::DoNotOptimize(readRaw(file).size());
    }
}

BENCHMARK(BM_Grade34EditorLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Grade34RawRead)->Unit(benchmark::kMicrosecond);
const Ratio load{"BM_Grade34EditorLoad", "BM_Grade34RawRead"};

} // namespace
} // namespace zt::bench
