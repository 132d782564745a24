#include "app/GsStart.h"
#include "BenchSupport.h"
#include "core/ProgramFolder.h"
#include <QProcess>
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

void runToExposure(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    for (auto _ : state) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            state.SkipWithError("the start did not finish");
    }
}

// From the process start to the start page on screen, with the shipped class.
void BM_Start(benchmark::State& state)
{
    runToExposure(state, QStringLiteral(ZT_PROGRAM_START), {Files::programFolder()});
}

// A Qt program showing one window of the start page's size.
void BM_StartFloor(benchmark::State& state)
{
    auto start = std::make_unique<GsStart>();
    const QSize size = start->window()->size();
    runToExposure(state, QStringLiteral(ZT_BARE_START), {QString::number(size.width()), QString::number(size.height())});
}

BENCHMARK(BM_Start)->Name("Start/Programm")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartFloor)->Name("StartFloor/Programm")->Unit(benchmark::kMillisecond);
const Ratio start{"Start/Programm", "StartFloor/Programm"};

} // namespace

long residentKilobytesWithEveryWindow()
{
    QProcess process;
    process.start(QStringLiteral(ZT_PROGRAM_START), {Files::programFolder(), QStringLiteral("--memory")});
    if (!process.waitForFinished(60000))
        return -1;
    return process.readAllStandardOutput().trimmed().toLong();
}

} // namespace zt::bench
