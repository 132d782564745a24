// The start page, and the work and social behaviour window with a full class: loading them, one
// composition click, and saving the class with its dated copies, each beside the bare work it
// cannot avoid.
#include "app/GsStart.h"
#include "common/FileMessages.h"
#include "composition/GsArbeitsverhalten.h"
#include "core/BehaviourComposition.h"
#include "core/Placeholders.h"
#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include "Doubles.h"
#include "platform/Services.h"
#include "User.h"
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

using namespace zt;

namespace {

constexpr int ClassSize = MaxPupils;

// Any message would mean the class folder is not what the window expects.
class NoMessages : public MessageBoxService {
public:
    int show(const QString& prompt, int, const QString&) override
    {
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
    bool run(const QString&) override { return true; }
};

void write(const QString& relative, const QString& text)
{
    QFile f(Files::resolve(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(encodeWindows1252(text)) < 0)
        std::exit(1);
}

QByteArray readRaw(const QString& relative)
{
    QFile f(Files::resolve(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The shipped folder with a class of 33 pupils, each with a work and a social behaviour text
// of the usual length.
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
    write(AvSvTextStore.path(), texts);
    write(AvSvChoiceStore.path(), choices);
}

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

void BM_StartPageLoad(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = std::make_unique<GsStart>();
        w->Form_Load();
        benchmark::DoNotOptimize(w->grade());
    }
}

// The two files and the two pictures the start page cannot do without.
void BM_StartPageRawRead(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Basisdaten.txt")));
        benchmark::DoNotOptimize(readRaw(QStringLiteral("Daten\\Namen.Txt")));
        QPixmap teacher(Files::resolve(QStringLiteral("Bild\\Frau Sommer.jpg")));
        QPixmap frame(Files::resolve(QStringLiteral("Bild\\ZeugnKOPF.jpg")));
        benchmark::DoNotOptimize(teacher.width() + frame.width());
    }
}

BENCHMARK(BM_StartPageLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartPageRawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadRawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompositionClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompositionRules)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveRawWrite)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then each measurement against its bare counterpart.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void printRatios() const
    {
        const std::pair<const char*, const char*> pairs[] = {
            {"BM_StartPageLoad", "BM_StartPageRawRead"},
            {"BM_LoadWindow", "BM_LoadRawRead"},
            {"BM_CompositionClick", "BM_CompositionRules"},
            {"BM_SaveAll", "BM_SaveRawWrite"}};
        std::printf("\n");
        for (const auto& [measured, bare] : pairs) {
            const auto m = times_.find(measured);
            const auto b = times_.find(bare);
            if (m == times_.end() || b == times_.end() || b->second <= 0)
                continue;
            std::printf("%-20s %10.1f us  %-20s %10.1f us  ratio %6.1f\n", measured, m->second, bare, b->second,
                        m->second / b->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    Services::install(std::make_unique<NoMessages>());
    Services::install(std::make_unique<NoInput>());
    Services::install(std::make_unique<test::FakeClipboard>());
    Services::install(std::make_unique<NoLauncher>());
    Services::install(std::make_unique<test::FixedClock>());
    Services::install(std::make_unique<test::RecordingApplication>());
    installFileMessages();
    makeFullClass(folder.path());

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
