#include "BenchSupport.h"
#include "core/ActiveForm.h"
#include "core/Windows1252.h"
#include "insertion/Einfuegungen.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QString SnippetFile = QStringLiteral("Daten\\Einfügungen1.txt");

// One snippet of several megabytes, as a pasted document might leave it.
void writeSnippetsWithLongRow()
{
    QString row;
    while (row.size() < 5'000'000)
        row += QStringLiteral("<Vorname> übt täglich mit großer Ausdauer. ");
    write(SnippetFile, QStringLiteral("\"") + row + QStringLiteral("\"\r\n"));
    writeActiveForm(BehaviourEntry);
}

void BM_InsertionLoadLongRow(benchmark::State& state)
{
    writeSnippetsWithLongRow();
    for (auto _ : state) {
        auto w = std::make_unique<Einfuegungen>();
        w->Form_Load();
        w->window()->show();
        benchmark::DoNotOptimize(w->List1.listCount());
    }
}

void BM_InsertionDecodeLongRow(benchmark::State& state)
{
    writeSnippetsWithLongRow();
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeWindows1252(readRaw(SnippetFile)));
}

BENCHMARK(BM_InsertionLoadLongRow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertionDecodeLongRow)->Unit(benchmark::kMillisecond);
const Ratio loadLongRow{"BM_InsertionLoadLongRow", "BM_InsertionDecodeLongRow"};

} // namespace
} // namespace zt::bench
