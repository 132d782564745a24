#include "BenchSupport.h"
#include "composition/GSAGFI.h"
#include "core/Windows1252.h"
#include "Floors.h"
#include "platform/Services.h"
#include "User.h"
#include <benchmark/benchmark.h>
#include <memory>

namespace zt::bench {
namespace {

const QStringList FilesReadAtLoad = {
    QStringLiteral("Daten\\Namen.Txt"),
    QStringLiteral("Daten\\Förder34.Txt"),
    QStringLiteral("Daten\\Interessen34.Txt"),
    QStringLiteral("Daten\\Zensurabweichung.Txt"),
    QStringLiteral("Daten\\Bemerkungen34.Txt"),
    QStringLiteral("Daten\\Versetzung3.Txt"),
    QStringLiteral("Daten\\AG.Txt"),
    QStringLiteral("Daten\\Sportusw.Txt"),
    QStringLiteral("Daten\\Basisdaten.txt"),
    Grade34TextStore.path(),
    Grade34LockStore.path()};

// While a benchmark runs every pupil of the grade 3 class has its three texts of the usual length;
// the other windows' benchmarks find the stores as they were.
class StoredTexts {
public:
    StoredTexts() : texts_(readRaw(Grade34TextStore.path())), locks_(readRaw(Grade34LockStore.path()))
    {
        const QString support = QStringLiteral(
            "Vorname hat regelmäßig am Förderunterricht in Deutsch und Rechtschreibung teilgenommen.\r\nVorname hat an der "
            "Arbeitsgemeinschaft 'Chor' teilgenommen.");
        const QString interests = QStringLiteral(
            "Vorname zeigt großes Geschick beim Malen und Gestalten.\r\nVorname hat das Frühschwimmerabzeichen "
            "'Seepferdchen' erworben. ");
        const QString remarks = QStringLiteral(
            "Vorname zeigt im Schulalltag viel Freude am Lernen und große Hilfsbereitschaft und macht erfreuliche "
            "Lernfortschritte, auf die sie stolz sein kann.\r\nVorname wird in die Klasse 4 versetzt.");
        QString texts, locks;
        for (int n = 1; n <= ClassSize; ++n) {
            const QString key = QStringLiteral("%1,\"3a\",\"Nachname%1\",\"Vorname%1\"").arg(n);
            texts += key + QStringLiteral(",\"%1\",\"%2\",\"%3\"\r\n").arg(support, interests, remarks);
            locks += key + QStringLiteral(",1,1,1\r\n");
        }
        write(Grade34TextStore.path(), texts);
        write(Grade34LockStore.path(), locks);
    }
    ~StoredTexts()
    {
        write(Grade34TextStore.path(), decodeFileText(texts_));
        write(Grade34LockStore.path(), decodeFileText(locks_));
    }

private:
    QByteArray texts_;
    QByteArray locks_;
};

std::unique_ptr<GSAGFI> loaded()
{
    auto w = std::make_unique<GSAGFI>();
    w->Form_Load();
    return w;
}

// The first pupil in the remarks area, its text cleared and the lead, progress and promotion chosen.
std::unique_ptr<GSAGFI> readyToCompose()
{
    auto w = loaded();
    w->window()->show();
    User::chooseItem(w->Combo1, 0);
    User::click(w->Command2(2));
    if (w->Command1(2).enabled())
        User::click(w->Command1(2));
    User::click(w->Check2(0));
    User::click(w->Option2(0));
    User::click(w->Check5(0));
    User::click(w->Option3(0));
    User::click(w->Option4(0));
    return w;
}

void BM_Load(benchmark::State& state)
{
    const StoredTexts stored;
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded());
}

void BM_LoadFloor(benchmark::State& state)
{
    const StoredTexts stored;
    runLoadFloor(state, BareWidgets(*loaded()), FilesReadAtLoad);
}

// A click on a remark phrase: the phrases are joined anew and the remarks composed, substituted,
// shown and marked.
void BM_Click(benchmark::State& state)
{
    const StoredTexts stored;
    auto w = readyToCompose();
    int phrase = 1;
    for (auto _ : state) {
        actAndPaint([&] { User::click(w->Check5(phrase)); });
        phrase = phrase % 4 + 1;
    }
}

void BM_ClickFloor(benchmark::State& state)
{
    const StoredTexts stored;
    auto w = readyToCompose();
    runRepaintFloor(state, *w, [&] { User::click(w->Check5(2)); });
}

void BM_Save(benchmark::State& state)
{
    const StoredTexts stored;
    auto w = readyToCompose();
    for (auto _ : state)
        User::click(w->Command1(0));
}

void BM_SaveFloor(benchmark::State& state)
{
    const StoredTexts stored;
    User::click(readyToCompose()->Command1(0));
    runDurableWrite(state, {Grade34TextStore.path(), Grade34LockStore.path(), Grade34TextStore.backupPath(Today()),
                            Grade34LockStore.backupPath(Today())});
}

BENCHMARK(BM_Load)->Name("Load/GSAGFI")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Name("LoadFloor/GSAGFI")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Click)->Name("Click/GSAGFI")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickFloor)->Name("ClickFloor/GSAGFI")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Name("Save/GSAGFI")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFloor)->Name("SaveFloor/GSAGFI")->Unit(benchmark::kMicrosecond);
const Ratio load{"Load/GSAGFI", "LoadFloor/GSAGFI"};
const Ratio click{"Click/GSAGFI", "ClickFloor/GSAGFI"};
const Ratio save{"Save/GSAGFI", "SaveFloor/GSAGFI"};

} // namespace
} // namespace zt::bench
