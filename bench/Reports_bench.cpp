#include "BenchSupport.h"
#include "core/MasterData.h"
#include "core/ProgramFolder.h"
#include "core/ReportCards.h"
#include "core/Windows1252.h"
#include "core/WordCommandLine.h"
#include "documents/Reports.h"
#include <QBuffer>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace zt::bench {
namespace {

const QString Reports = QStringLiteral("2aZeugnisse21.odt");
const QDate Day(2026, 12, 9);

// While the benchmark runs the class is a grade 2 class whose pupils each have eight area texts of
// the usual length, placeholders and all, beside their work and social behaviour; the reports
// already made once, as the teacher makes them again. The other benchmarks find the class as it was.
class GradeTwoReports {
public:
    GradeTwoReports() : names_(decodeWindows1252(readRaw(StudentsFile)))
    {
        write(StudentsFile, QString(names_).replace(QStringLiteral("\"3a\""), QStringLiteral("\"2a\"")));
        const QString text = QStringLiteral(
            "<Vorname> erzählt und berichtet zusammenhängend, anschaulich und gut verständlich. Mündliche "
            "Arbeitsaufträge versteht <sie/er> meistens und setzt sie um. In Gesprächen hört <sie/er> aufmerksam zu.");
        QString texts;
        for (int n = 1; n <= ClassSize; ++n)
            texts += QStringLiteral("%1,\"2a\",\"Nachname%1\",\"Vorname%1\"").arg(n) + QStringLiteral(",\"%1\"").arg(text).repeated(8)
                   + QStringLiteral("\r\n");
        write(Grade12TextStore.path(), texts);
        if (!MakeClassReports(Day))
            std::exit(1);
    }
    ~GradeTwoReports()
    {
        write(StudentsFile, names_);
        Files::remove(Reports);
        Files::remove(DatedCopyOf(Reports, Day));
    }

private:
    QString names_;
};

// "Zeugnisse schreiben" as the teacher waits for it: the data read, the reports laid out and written,
// the previous ones kept as the copy of the day.
void BM_MakeReports(benchmark::State& state)
{
    const GradeTwoReports reports;
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeClassReports(Day));
}

// What it cannot do without: the same text as one plain document, written by Qt's writer as durably.
void BM_MakeReportsFloor(benchmark::State& state)
{
    const GradeTwoReports reports;
    QString text;
    for (const ReportCard& card : ClassReports(LoadReviewData(ReportBaseDataFields))) {
        QStringList lines = QStringList{card.schoolName} + card.schoolLines + QStringList{card.kind, card.classLine};
        for (const ReportField& f : card.pupil)
            lines << f.label + QStringLiteral(": ") + f.value;
        for (const ReportArea& a : card.areas)
            lines << a.heading << a.text;
        lines << card.conference << card.issue << card.signatures;
        text += lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    for (auto _ : state) {
        QTextDocument document;
        document.setPlainText(text);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter(&buffer, "ODF").write(&document);
        if (!Files::writeData(Reports, buffer.data()))
            std::exit(1);
    }
    state.counters["chars"] = static_cast<double>(text.size());
}

BENCHMARK(BM_MakeReports)->Name("MakeReports/33")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeReportsFloor)->Name("MakeReportsFloor/33")->Unit(benchmark::kMillisecond);
const Ratio makeReports{"MakeReports/33", "MakeReportsFloor/33"};

} // namespace
} // namespace zt::bench
