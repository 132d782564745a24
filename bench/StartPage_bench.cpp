#include "app/GsStart.h"
#include "BenchSupport.h"
#include "core/ProgramFolder.h"
#include "Floors.h"
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

std::unique_ptr<GsStart> loaded()
{
    auto w = std::make_unique<GsStart>();
    w->Form_Load();
    return w;
}

void BM_Load(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded());
}

// The bare widgets, the two files and the two pictures the start page cannot do without.
void BM_LoadFloor(benchmark::State& state)
{
    const BareWidgets widgets(*loaded());
    for (auto _ : state) {
        widgets.build();
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Basisdaten.txt")));
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Namen.Txt")));
        QPixmap teacher(Files::resolve(QStringLiteral("Bild\\Frau Sommer.jpg")));
        QPixmap frame(Files::resolve(QStringLiteral("Bild\\ZeugnKOPF.jpg")));
        benchmark::DoNotOptimize(teacher.width() + frame.width());
    }
}

// Back at the start page with the master data unchanged: it looks at the two files and keeps what it shows.
void BM_Activate(benchmark::State& state)
{
    const std::unique_ptr<GsStart> w = loaded();
    for (auto _ : state)
        w->Form_Activate();
}

void BM_ActivateFloor(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Basisdaten.txt")));
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Namen.Txt")));
    }
}

BENCHMARK(BM_Load)->Name("Load/GsStart")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/GsStart")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Activate)->Name("Activate/GsStart")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ActivateFloor)->Name("ActivateFloor/GsStart")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GsStart", "LoadFloor/GsStart"};
const Ratio activate{"Activate/GsStart", "ActivateFloor/GsStart"};

} // namespace
} // namespace zt::bench
