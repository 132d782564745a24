#include "BenchSupport.h"
#include "editors/GSAenderung12.h"
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

// Loading the window and the current set into its boxes; a set loads once per window, and
// building the window's controls is measured apart.
void BM_Grade12EditorLoad(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<GSAenderung12>();
        state.ResumeTiming();
        w->Form_Load();
        w->Command3_Click(1);
        benchmark::DoNotOptimize(w->Text5(1).text());
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}

void BM_Grade12EditorControls(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(std::make_unique<GSAenderung12>());
}

void BM_Grade12RawRead(benchmark::State& state)
{
    for (auto _ : state)
        for (const QString& file : FilesReadAtLoad)
            benchmark::DoNotOptimize(readRaw(file));
}

BENCHMARK(BM_Grade12EditorLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Grade12RawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Grade12EditorControls)->Unit(benchmark::kMicrosecond);
const Ratio load{"BM_Grade12EditorLoad", "BM_Grade12RawRead"};

} // namespace
} // namespace zt::bench
