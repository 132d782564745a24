#include "BenchSupport.h"
#include "core/MasterData.h"
#include "core/ReviewData.h"
#include "Floors.h"
#include "review/GsAnzeige.h"
#include <QCoreApplication>
#include <QPlainTextEdit>
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
        QCoreApplication::processEvents();
    }
    state.counters["chars"] = static_cast<double>(w->Text1.text().size());
}

// What "Text laden" cannot do without: the same text laid out in a bare box of the same size.
void BM_ReviewTextLadenFloor(benchmark::State& state)
{
    auto w = windowWithEveryBoxTicked();
    w->Command1_Click(0);
    const QString text = w->Text1.text();
    QPlainTextEdit bare;
    bare.setGeometry(w->Text1.widget()->geometry());
    bare.show();
    for (auto _ : state) {
        bare.setPlainText(QString());
        bare.setPlainText(text);
        QCoreApplication::processEvents();
    }
}

void BM_ReviewLoad(benchmark::State& state)
{
    writeGrade34Store();
    for (auto _ : state) {
        auto w = std::make_unique<GsAnzeige>();
        w->Form_Load();
        benchmark::DoNotOptimize(w->Label2.caption());
    }
}

void BM_ReviewLoadFloor(benchmark::State& state)
{
    writeGrade34Store();
    auto w = std::make_unique<GsAnzeige>();
    w->Form_Load();
    runLoadFloor(state, BareWidgets(*w), FilesRead);
}

BENCHMARK(BM_ReviewLoad)->Name("Load/GsAnzeige")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewLoadFloor)->Name("LoadFloor/GsAnzeige")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewTextLaden)->Name("TextLaden/GsAnzeige")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReviewTextLadenFloor)->Name("TextLadenFloor/GsAnzeige")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GsAnzeige", "LoadFloor/GsAnzeige"};
const Ratio textLaden{"TextLaden/GsAnzeige", "TextLadenFloor/GsAnzeige"};

} // namespace
} // namespace zt::bench
