// The benchmarks of the windows: each runs on the shipped folder with a class of the largest size
// and is printed beside the bare work it cannot avoid.
#include "BenchSupport.h"
#include "common/FileMessages.h"
#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include "Doubles.h"
#include "platform/Services.h"
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zt::bench {

namespace {
std::vector<std::pair<std::string, std::string>>& ratios()
{
    static std::vector<std::pair<std::string, std::string>> pairs;
    return pairs;
}

// An editor asks before it loads a set; any other message would mean the class folder is not
// what the window expects.
class NoMessages : public MessageBoxService {
public:
    int show(const QString& prompt, int, const QString&) override
    {
        if (prompt.endsWith(QStringLiteral("Wollen Sie fortfahren ?")))
            return vbYes;
        std::fprintf(stderr, "Unexpected message: %s\n", prompt.toUtf8().constData());
        std::exit(1);
    }
};
class NoInput : public InputBoxService {
public:
    QString ask(const QString&, const QString&, const QString&) override { return QString(); }
};
class NoLauncher : public LauncherService {
public:
    Launch run(const QString&) override { return {}; }
};

// The shipped folder with a class of ClassSize pupils, each with a work and a social behaviour
// text of the usual length.
void makeFullClass(const QString& folder)
{
    const QString source = QStringLiteral(ZT_DATA_DIR);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = folder + QLatin1Char('/') + QDir(source).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
    QDir().mkpath(folder + QStringLiteral("/Daten/Sicherheit"));
    Files::setProgramFolder(folder);

    QString names, texts, choices;
    for (int n = 1; n <= ClassSize; ++n) {
        const QString surname = QStringLiteral("Nachname%1").arg(n);
        const QString first = QStringLiteral("Vorname%1").arg(n);
        names += QStringLiteral("%1,\"3a\",\"%2\",\"%3\",\"%4\",\"05.03.2017\",\"Chor\",\"\",\"\",\"\",\"Musterstadt\"\r\n")
                     .arg(n).arg(surname, first, n % 2 ? QStringLiteral("w") : QStringLiteral("m"));
        const QString av = first + QStringLiteral(" geht neue Aufgaben voller Wissbegier an und beteiligt sich regelmäßig am "
                                                  "Unterrichtsgespräch. Ihr fällt es manchmal noch schwer, ohne Hilfe mit einer "
                                                  "Aufgabe zu beginnen. Die Hausaufgaben erledigt sie immer zuverlässig und "
                                                  "sorgfältig.");
        const QString sv = first + QStringLiteral(" ist allen gegenüber stets freundlich und aufgeschlossen und hält sich stets "
                                                  "zuverlässig an alle Regeln und Absprachen. Sie arbeitet in Partner- und "
                                                  "Gruppenarbeit sehr gut mit anderen zusammen. \r\nDas Sozialverhalten verdient "
                                                  "besondere Anerkennung.");
        texts += QStringLiteral("%1,\"3a\",\"%2\",\"%3\",\"%4\",\"%5\"\r\n").arg(n).arg(surname, first, av, sv);
        choices += QStringLiteral("%1,\"3a\",\"%2\",\"%3\",1,1,2,3,5,1,0,0,0,1,1,1,0,0,1\r\n").arg(n).arg(surname, first);
    }
    write(QStringLiteral("Daten\\Namen.Txt"), names);
    write(QStringLiteral("Daten\\AVSVspeicher.txt"), texts);
    write(QStringLiteral("Daten\\AVSVWahl.txt"), choices);
}

// Prints the usual table, then each measurement against its bare counterpart.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime() * microsecondsPer(run.time_unit);
    }

    // Times in microseconds, whatever unit a benchmark reports in.
    void printRatios() const
    {
        std::printf("\n%-30s %12s  %-32s %12s  %6s\n", "measurement", "time (us)", "floor", "time (us)", "ratio");
        for (const auto& [measured, floor] : ratios()) {
            const auto m = times_.find(measured);
            const auto f = times_.find(floor);
            if (m == times_.end() || f == times_.end() || f->second <= 0)
                continue;
            std::printf("%-30s %12.1f  %-32s %12.1f  %6.1f\n", measured.c_str(), m->second, floor.c_str(), f->second,
                        m->second / f->second);
        }
    }

private:
    static double microsecondsPer(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-3;
        case benchmark::kMicrosecond: return 1.0;
        case benchmark::kMillisecond: return 1e3;
        case benchmark::kSecond: return 1e6;
        }
        return 1.0;
    }

    std::map<std::string, double> times_;
};
} // namespace

void write(const QString& relative, const QString& text)
{
    QFile f(Files::resolve(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(encodeFileText(text)) < 0)
        std::exit(1);
}

QByteArray readRaw(const QString& relative)
{
    QFile f(Files::resolve(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Ratio::Ratio(const char* measured, const char* bare) { ratios().emplace_back(measured, bare); }

} // namespace zt::bench

int main(int argc, char* argv[])
{
    using namespace zt;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    Services::install(std::make_unique<bench::NoMessages>());
    Services::install(std::make_unique<bench::NoInput>());
    Services::install(std::make_unique<test::FakeClipboard>());
    Services::install(std::make_unique<bench::NoLauncher>());
    Services::install(std::make_unique<test::FixedClock>());
    Services::install(std::make_unique<test::RecordingApplication>());
    installFileMessages();
    bench::makeFullClass(folder.path());

    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    std::printf("\nresident memory with every window opened once: %ld kB\n", bench::residentKilobytesWithEveryWindow());
    benchmark::Shutdown();
    return 0;
}
