#include "BenchSupport.h"
#include "composition/Kompetenzen.h"
#include "core/Windows1252.h"
#include "Floors.h"
#include "platform/Services.h"
#include "User.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QString Names = QStringLiteral("Daten\\Namen.Txt");

const QStringList FilesReadAtLoad = {
    Names,
    QStringLiteral("Daten\\Interessen12.Txt"),
    QStringLiteral("Daten\\Sprechen2.Txt"),
    QStringLiteral("Daten\\Lesen2.Txt"),
    QStringLiteral("Daten\\Schreiben2.Txt"),
    QStringLiteral("Daten\\Mathe2.Txt"),
    QStringLiteral("Daten\\Bemerkungen2.Txt"),
    QStringLiteral("Daten\\Versetzung2.Txt"),
    QStringLiteral("Daten\\Sportusw.Txt"),
    QStringLiteral("Daten\\Zwischentexte.Txt"),
    QStringLiteral("Daten\\Basisdaten.txt"),
    Grade12TextStore.path(),
    Grade12LockStore.path()};

// While a benchmark runs the class is a grade 2 class whose pupils each have eight texts of the
// usual length; the other windows' benchmarks find the class as it was.
class GradeTwoClass {
public:
    GradeTwoClass() : names_(decodeFileText(readRaw(Names)))
    {
        write(Names, QString(names_).replace(QStringLiteral("\"3a\""), QStringLiteral("\"2a\"")));
        const QString text = QStringLiteral(
            "Vorname erzählt und berichtet zusammenhängend, anschaulich und gut verständlich. Mündliche "
            "Arbeitsaufträge versteht sie meistens und setzt sie um. In Gesprächen hört sie aufmerksam zu.");
        QString texts, locks;
        for (int n = 1; n <= ClassSize; ++n) {
            const QString key = QStringLiteral("%1,\"2a\",\"Nachname%1\",\"Vorname%1\"").arg(n);
            texts += key + QStringLiteral(",\"%1\"").arg(text).repeated(8) + QStringLiteral("\r\n");
            locks += key + QStringLiteral(",1").repeated(8) + QStringLiteral("\r\n");
        }
        write(Grade12TextStore.path(), texts);
        write(Grade12LockStore.path(), locks);
    }
    ~GradeTwoClass() { write(Names, names_); }

private:
    QString names_;
};

std::unique_ptr<Kompetenzen> loaded()
{
    auto w = std::make_unique<Kompetenzen>();
    w->Form_Load();
    return w;
}

// The first pupil in the area of numbers and operations, its text cleared.
std::unique_ptr<Kompetenzen> readyToCompose()
{
    auto w = loaded();
    w->window()->show();
    User::chooseItem(w->Combo1, 0);
    User::click(w->Command1(4));
    User::click(w->Command4);
    User::click(w->Option14(0));
    return w;
}

void BM_Load(benchmark::State& state)
{
    const GradeTwoClass grade2;
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded());
}

void BM_LoadFloor(benchmark::State& state)
{
    const GradeTwoClass grade2;
    runLoadFloor(state, BareWidgets(*loaded()), FilesReadAtLoad);
}

// A click on a line of the written sums: the area is composed from its groups and substituted.
void BM_Click(benchmark::State& state)
{
    const GradeTwoClass grade2;
    auto w = readyToCompose();
    int line = 0;
    for (auto _ : state) {
        actAndPaint([&] { User::click(w->Option16(line)); });
        line = (line + 1) % 6;
    }
}

void BM_ClickFloor(benchmark::State& state)
{
    const GradeTwoClass grade2;
    auto w = readyToCompose();
    runRepaintFloor(state, *w, [&] { User::click(w->Option16(3)); });
}

void BM_Save(benchmark::State& state)
{
    const GradeTwoClass grade2;
    auto w = readyToCompose();
    for (auto _ : state)
        User::click(w->Command2);
}

void BM_SaveFloor(benchmark::State& state)
{
    const GradeTwoClass grade2;
    User::click(readyToCompose()->Command2);
    runDurableWrite(state, {Grade12TextStore.path(), Grade12LockStore.path(), Grade12TextStore.backupPath(Today()),
                            Grade12LockStore.backupPath(Today())});
}

BENCHMARK(BM_Load)->Name("Load/Kompetenzen")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/Kompetenzen")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Click)->Name("Click/Kompetenzen")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickFloor)->Name("ClickFloor/Kompetenzen")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Name("Save/Kompetenzen")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFloor)->Name("SaveFloor/Kompetenzen")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/Kompetenzen", "LoadFloor/Kompetenzen"};
const Ratio click{"Click/Kompetenzen", "ClickFloor/Kompetenzen"};
const Ratio save{"Save/Kompetenzen", "SaveFloor/Kompetenzen"};

} // namespace
} // namespace zt::bench
