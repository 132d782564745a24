#include "BenchSupport.h"
#include "User.h"
#include "composition/GsArbeitsverhalten.h"
#include "core/BehaviourComposition.h"
#include "core/Placeholders.h"
#include "core/ProgramFolder.h"
#include "platform/Services.h"
#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QStringList FilesReadAtLoad = {
    QStringLiteral("Daten\\Namen.Txt"),        QStringLiteral("Daten\\TexteAV.txt"),
    QStringLiteral("Daten\\AVKategorien.txt"), QStringLiteral("Daten\\TexteSV.txt"),
    QStringLiteral("Daten\\SVKategorien.txt"), AvSvTextStore.path(),
    AvSvChoiceStore.path()};

void BM_LoadWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = std::make_unique<GsArbeitsverhalten>();
        w->Form_Load();
        benchmark::DoNotOptimize(w->Combo1.listCount());
    }
}

void BM_LoadRawRead(benchmark::State& state)
{
    for (auto _ : state)
        for (const QString& file : FilesReadAtLoad)
            benchmark::DoNotOptimize(readRaw(file));
}

// A window with the first pupil chosen, its AV text cleared and category 3 shown.
std::unique_ptr<GsArbeitsverhalten> windowReadyToCompose()
{
    auto w = std::make_unique<GsArbeitsverhalten>();
    w->Form_Load();
    w->Combo1.setListIndex(0);
    w->Command1_Click();
    w->Command6_Click();
    w->Command3_Click(2);
    w->window()->show();
    return w;
}

void BM_CompositionClick(benchmark::State& state)
{
    auto w = windowReadyToCompose();
    int line = 1;
    for (auto _ : state) {
        User::click(w->Option1(line));
        line = line % 9 + 1;
    }
}

void BM_CompositionRules(benchmark::State& state)
{
    BehaviourArea av(AvCategories, BlockLineSlots);
    readLineFile(AvLineFile, av);
    std::array<QString, AvCategories> parts;
    std::array<int, AvCategories> choices{};
    int line = 1;
    for (auto _ : state) {
        choices[2] = line;
        parts[2] = PartForLine(2, line, av.line(3, line), QStringLiteral("Vorname1"));
        const QString text = ComposeAvText(parts, choices, QStringLiteral("Vorname1"), QStringLiteral("w"));
        benchmark::DoNotOptimize(SubstitutePlaceholders(text, PlaceholderSet::Reduced, {QStringLiteral("w"), QStringLiteral("Vorname1"), {}, {}, {}}));
        line = line % 9 + 1;
    }
}

void BM_SaveAll(benchmark::State& state)
{
    auto w = std::make_unique<GsArbeitsverhalten>();
    w->Form_Load();
    for (auto _ : state)
        w->Command4_Click();
}

// The same bytes as SaveAll writes, straight into the four files.
void BM_SaveRawWrite(benchmark::State& state)
{
    const QByteArray texts = readRaw(AvSvTextStore.path());
    const QByteArray choices = readRaw(AvSvChoiceStore.path());
    const std::pair<QString, const QByteArray*> targets[] = {
        {AvSvTextStore.path(), &texts},
        {AvSvChoiceStore.path(), &choices},
        {AvSvTextStore.backupPath(Today()), &texts},
        {AvSvChoiceStore.backupPath(Today()), &choices}};
    for (auto _ : state) {
        for (const auto& [file, bytes] : targets) {
            QFile f(Files::resolve(file));
            if (!f.open(QIODevice::WriteOnly) || f.write(*bytes) != bytes->size())
                state.SkipWithError("raw write failed");
        }
    }
}

BENCHMARK(BM_LoadWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadRawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompositionClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompositionRules)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveRawWrite)->Unit(benchmark::kMicrosecond);
const Ratio load{"BM_LoadWindow", "BM_LoadRawRead"};
const Ratio click{"BM_CompositionClick", "BM_CompositionRules"};
const Ratio save{"BM_SaveAll", "BM_SaveRawWrite"};

} // namespace
} // namespace zt::bench
