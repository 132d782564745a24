#include "BenchSupport.h"
#include "core/ActiveForm.h"
#include "core/Windows1252.h"
#include "Floors.h"
#include "insertion/Einfuegungen.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QString SnippetFile = QStringLiteral("Daten\\Einfügungen1.txt");

std::unique_ptr<Einfuegungen> loaded()
{
    auto w = std::make_unique<Einfuegungen>();
    w->Form_Load();
    return w;
}

void BM_Load(benchmark::State& state)
{
    writeActiveForm(BehaviourEntry);
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded());
}

void BM_LoadFloor(benchmark::State& state)
{
    writeActiveForm(BehaviourEntry);
    runLoadFloor(state, BareWidgets(*loaded()),
                 {QStringLiteral("Daten\\AktivForm.txt"), QStringLiteral("Daten\\Platzhalter.txt"), SnippetFile});
}

// One snippet of several megabytes, as a pasted document might leave it, while a benchmark runs.
class SnippetsWithLongRow {
public:
    SnippetsWithLongRow() : shipped_(decodeWindows1252(readRaw(SnippetFile)))
    {
        QString row;
        while (row.size() < 5'000'000)
            row += QStringLiteral("<Vorname> übt täglich mit großer Ausdauer. ");
        write(SnippetFile, QStringLiteral("\"") + row + QStringLiteral("\"\r\n"));
        writeActiveForm(BehaviourEntry);
    }
    ~SnippetsWithLongRow() { write(SnippetFile, shipped_); }

private:
    QString shipped_;
};

void BM_LoadLongRow(benchmark::State& state)
{
    const SnippetsWithLongRow longRow;
    for (auto _ : state) {
        auto w = loaded();
        w->window()->show();
        benchmark::DoNotOptimize(w->List1.listCount());
    }
}

void BM_DecodeLongRow(benchmark::State& state)
{
    const SnippetsWithLongRow longRow;
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeWindows1252(readRaw(SnippetFile)));
}

BENCHMARK(BM_Load)->Name("Load/Einfuegungen")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/Einfuegungen")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadLongRow)->Name("LoadLongRow/Einfuegungen")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLongRow)->Name("DecodeLongRow/Einfuegungen")->Unit(benchmark::kMillisecond);
const Ratio load{"Load/Einfuegungen", "LoadFloor/Einfuegungen"};
const Ratio loadLongRow{"LoadLongRow/Einfuegungen", "DecodeLongRow/Einfuegungen"};

} // namespace
} // namespace zt::bench
