#include "BenchSupport.h"
#include "core/ReviewData.h"
#include "core/MasterData.h"
#include "review/GsAnzeige.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QStringList FilesRead = {BaseDataFile, StudentsFile, AvSvTextStore.path(), Grade34TextStore.path()};

// The class's grade store with the three texts of the usual length for every pupil.
void writeGrade34Store()
{
    QString records;
    for (int n = 1; n <= ClassSize; ++n) {
        const QString first = QStringLiteral("Vorname%1").arg(n);
        const QString support = first + QStringLiteral(" nahm am Förderunterricht in Deutsch teil und besuchte mit großem "
                                                        "Interesse die Arbeitsgemeinschaft Chor.");
        const QString interests = first + QStringLiteral(" zeigt besonderes Interesse an Sachthemen und liest gern "
                                                          "Bücher über Tiere und ferne Länder.");
        const QString remarks = first + QStringLiteral(" hat die Klassengemeinschaft durch ihre hilfsbereite Art "
                                                        "bereichert. Versetzt in Klasse 4.");
        records += QStringLiteral("%1,\"3a\",\"Nachname%1\",\"%2\",\"%3\",\"%4\",\"%5\"\r\n")
                       .arg(n)
                       .arg(first, support, interests, remarks);
    }
    write(Grade34TextStore.path(), records);
}

// The window of the full class, loaded, shown, with every box of the grade ticked.
std::unique_ptr<GsAnzeige> windowWithEveryBoxTicked()
{
    writeGrade34Store();
    auto w = std::make_unique<GsAnzeige>();
    w->Form_Load();
    w->window()->show();
    w->Check1.forEach([&](int i, CheckBox& box) {
        if (!box.visible())
            return;
        box.setValue(true);
        w->Check1_Click(i);
    });
    return w;
}

void BM_ReviewTextLaden(benchmark::State& state)
{
    auto w = windowWithEveryBoxTicked();
    for (auto _ : state) {
        // The box keeps a text that equals the new one, so each round starts from an empty box.
        state.PauseTiming();
        w->Text1.setText(QString());
        state.ResumeTiming();
        w->Command1_Click(0);
    }
    state.counters["chars"] = static_cast<double>(w->Text1.text().size());
}

// Opening the window and loading the text, as the teacher waits for it.
void BM_ReviewOpenAndLoad(benchmark::State& state)
{
    writeGrade34Store();
    for (auto _ : state) {
        auto w = std::make_unique<GsAnzeige>();
        w->Form_Load();
        w->Check1.forEach([&](int i, CheckBox& box) {
            box.setValue(box.visible());
            w->Check1_Click(i);
        });
        w->Command1_Click(0);
    }
}

void BM_ReviewRawRead(benchmark::State& state)
{
    writeGrade34Store();
    for (auto _ : state)
        for (const QString& file : FilesRead)
            benchmark::DoNotOptimize(readRaw(file));
}

BENCHMARK(BM_ReviewTextLaden)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewOpenAndLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewRawRead)->Unit(benchmark::kMicrosecond);
const Ratio textLaden{"BM_ReviewTextLaden", "BM_ReviewRawRead"};
const Ratio openAndLoad{"BM_ReviewOpenAndLoad", "BM_ReviewRawRead"};

} // namespace
} // namespace zt::bench
