#include "BenchSupport.h"
#include "app/GsStart.h"
#include "core/ProgramFolder.h"
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

void BM_StartPageLoad(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = std::make_unique<GsStart>();
        w->Form_Load();
        benchmark::DoNotOptimize(w->grade());
    }
}

// The two files and the two pictures the start page cannot do without.
void BM_StartPageRawRead(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Basisdaten.txt")));
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Namen.Txt")));
        QPixmap teacher(Files::resolve(QStringLiteral("Bild\\Frau Sommer.jpg")));
        QPixmap frame(Files::resolve(QStringLiteral("Bild\\ZeugnKOPF.jpg")));
        benchmark::DoNotOptimize(teacher.width() + frame.width());
    }
}

BENCHMARK(BM_StartPageLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartPageRawRead)->Unit(benchmark::kMicrosecond);
const Ratio load{"BM_StartPageLoad", "BM_StartPageRawRead"};

} // namespace
} // namespace zt::bench
