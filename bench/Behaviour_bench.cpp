#include "BenchSupport.h"
#include "composition/GsArbeitsverhalten.h"
#include "Floors.h"
#include "platform/Services.h"
#include "User.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QStringList FilesReadAtLoad = {
    QStringLiteral("Daten\\Namen.Txt"),        QStringLiteral("Daten\\TexteAV.txt"),
    QStringLiteral("Daten\\AVKategorien.txt"), QStringLiteral("Daten\\TexteSV.txt"),
    QStringLiteral("Daten\\SVKategorien.txt"), AvSvTextStore.path(),
    AvSvChoiceStore.path()};

std::unique_ptr<GsArbeitsverhalten> loaded()
{
    auto w = std::make_unique<GsArbeitsverhalten>();
    w->Form_Load();
    return w;
}

// The first pupil chosen, its AV text cleared and category 3 shown.
std::unique_ptr<GsArbeitsverhalten> readyToCompose()
{
    auto w = loaded();
    w->Combo1.setListIndex(0);
    w->Command1_Click();
    w->Command6_Click();
    w->Command3_Click(2);
    w->window()->show();
    return w;
}

void BM_Load(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded());
}

void BM_LoadFloor(benchmark::State& state) { runLoadFloor(state, BareWidgets(*loaded()), FilesReadAtLoad); }

void BM_Click(benchmark::State& state)
{
    auto w = readyToCompose();
    int line = 1;
    for (auto _ : state) {
        actAndPaint([&] { User::click(w->Option1(line)); });
        line = line % 9 + 1;
    }
}

void BM_ClickFloor(benchmark::State& state)
{
    auto w = readyToCompose();
    runRepaintFloor(state, *w, [&] { User::click(w->Option1(4)); });
}

void BM_Save(benchmark::State& state)
{
    auto w = loaded();
    for (auto _ : state)
        w->Command4_Click();
}

void BM_SaveFloor(benchmark::State& state)
{
    loaded()->Command4_Click();
    runDurableWrite(state, {AvSvTextStore.path(), AvSvChoiceStore.path(), AvSvTextStore.backupPath(Today()),
                            AvSvChoiceStore.backupPath(Today())});
}

BENCHMARK(BM_Load)->Name("Load/GsArbeitsverhalten")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/GsArbeitsverhalten")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Click)->Name("Click/GsArbeitsverhalten")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickFloor)->Name("ClickFloor/GsArbeitsverhalten")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Name("Save/GsArbeitsverhalten")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFloor)->Name("SaveFloor/GsArbeitsverhalten")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GsArbeitsverhalten", "LoadFloor/GsArbeitsverhalten"};
const Ratio click{"Click/GsArbeitsverhalten", "ClickFloor/GsArbeitsverhalten"};
const Ratio save{"Save/GsArbeitsverhalten", "SaveFloor/GsArbeitsverhalten"};

} // namespace
} // namespace zt::bench
