#include "BenchSupport.h"
#include "User.h"
#include "composition/Kompetenzen.h"
#include "core/CompetenceComposition.h"
#include "core/Placeholders.h"
#include "core/Windows1252.h"
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
    GradeTwoClass() : names_(decodeWindows1252(readRaw(Names)))
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

void BM_CompetencesLoad(benchmark::State& state)
{
    const GradeTwoClass grade2;
    for (auto _ : state) {
        auto w = std::make_unique<Kompetenzen>();
        w->Form_Load();
        benchmark::DoNotOptimize(w->Combo1.listCount());
    }
}

void BM_CompetencesLoadRawRead(benchmark::State& state)
{
    const GradeTwoClass grade2;
    for (auto _ : state)
        for (const QString& file : FilesReadAtLoad)
            benchmark::DoNotOptimize(readRaw(file));
}

// A click on a line of the written sums: the area is composed from its groups and substituted.
void BM_CompetencesClick(benchmark::State& state)
{
    const GradeTwoClass grade2;
    auto w = std::make_unique<Kompetenzen>();
    w->Form_Load();
    w->window()->show();
    User::chooseItem(w->Combo1, 0);
    User::click(w->Command1(4));
    User::click(w->Command4);
    User::click(w->Option14(0));
    int line = 0;
    for (auto _ : state) {
        User::click(w->Option16(line));
        line = (line + 1) % 6;
    }
}

void BM_CompetencesRules(benchmark::State& state)
{
    const QString lead = QStringLiteral("Rechengeschichten und einfache Sachaufgaben");
    const QString first = PartText(PartRule::LeadCaptionDotBlank, QStringLiteral("Im Zahlenraum"),
                                   QStringLiteral("bis 100 orientiert sich <Vorname> sicher"));
    const PlaceholderValues values{QStringLiteral("w"), QStringLiteral("Vorname1"), QStringLiteral("2026/2027"),
                                   QStringLiteral("2027/2028"), QStringLiteral("21.01.2027")};
    int line = 0;
    for (auto _ : state) {
        const QString part = PartText(PartRule::BlankLeadCaptionDot, lead, QStringLiteral("löst <sie/er> meist selbstständig %1").arg(line));
        const QString text = ComposeAreaText(4, {first, QString(), QString(), part, QString(), QString(), QString()});
        benchmark::DoNotOptimize(SubstitutePlaceholders(text, PlaceholderSet::Full, values));
        line = (line + 1) % 6;
    }
}

BENCHMARK(BM_CompetencesLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompetencesLoadRawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompetencesClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompetencesRules)->Unit(benchmark::kMicrosecond);
const Ratio load{"BM_CompetencesLoad", "BM_CompetencesLoadRawRead"};
const Ratio click{"BM_CompetencesClick", "BM_CompetencesRules"};

} // namespace
} // namespace zt::bench
