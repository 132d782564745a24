#include "BenchSupport.h"
#include "User.h"
#include "composition/GSAGFI.h"
#include "core/Grade34Composition.h"
#include "core/Placeholders.h"
#include "core/Windows1252.h"
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
        write(Grade34TextStore.path(), decodeWindows1252(texts_));
        write(Grade34LockStore.path(), decodeWindows1252(locks_));
    }

private:
    QByteArray texts_;
    QByteArray locks_;
};

void BM_SupportClubsLoad(benchmark::State& state)
{
    const StoredTexts stored;
    for (auto _ : state) {
        auto w = std::make_unique<GSAGFI>();
        w->Form_Load();
        benchmark::DoNotOptimize(w->Combo1.listCount());
    }
}

void BM_SupportClubsLoadRawRead(benchmark::State& state)
{
    const StoredTexts stored;
    for (auto _ : state)
        for (const QString& file : FilesReadAtLoad)
            benchmark::DoNotOptimize(readRaw(file));
}

// A click on a remark phrase: the phrases are joined anew and the remarks composed, substituted,
// shown and marked.
void BM_SupportClubsClick(benchmark::State& state)
{
    const StoredTexts stored;
    auto w = std::make_unique<GSAGFI>();
    w->Form_Load();
    w->window()->show();
    User::chooseItem(w->Combo1, 0);
    User::click(w->Command2(2));
    User::click(w->Command1(2));
    User::click(w->Check2(0));
    User::click(w->Option2(0));
    User::click(w->Check5(0));
    User::click(w->Option3(0));
    User::click(w->Option4(0));
    int phrase = 1;
    for (auto _ : state) {
        User::click(w->Check5(phrase));
        phrase = phrase % 4 + 1;
    }
}

void BM_SupportClubsRules(benchmark::State& state)
{
    const PlaceholderValues values{QStringLiteral("w"), QStringLiteral("Vorname1"), QStringLiteral("2026/2027"),
                                   QStringLiteral("2027/2028"), QStringLiteral("21.01.2027")};
    QStringList phrases = {QStringLiteral("viel Freude am Lernen"), QStringLiteral("große Hilfsbereitschaft"),
                           QStringLiteral("viel Ausdauer"), QStringLiteral("Rücksicht auf andere"),
                           QStringLiteral("Verantwortungsbewusstsein")};
    int phrase = 1;
    for (auto _ : state) {
        phrases[phrase] = phrases[phrase].isEmpty() ? QStringLiteral("eine Wendung") : QString();
        const RemarkParts34 parts{
            ListSentence(QStringLiteral("Die Leistungen in"), {QStringLiteral("Deutsch")},
                         QStringLiteral("sind zurzeit nicht ausreichend, sodass die Versetzung gefährdet ist")),
            LeadPart(QStringLiteral("<Vorname> zeigt im Schulalltag")), RemarkPhrases(phrases),
            ProgressPart(QStringLiteral("und macht erfreuliche Lernfortschritte"), QStringLiteral("auf die <sie/er> stolz sein kann")),
            PromotionPart(QStringLiteral("Die Versetzung in die Klasse 4 ist nach dem derzeitigen Leistungsstand gefährdet"))};
        benchmark::DoNotOptimize(SubstitutePlaceholders(ComposeText3(parts), PlaceholderSet::Full, values));
        phrase = phrase % 4 + 1;
    }
}

BENCHMARK(BM_SupportClubsLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SupportClubsLoadRawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SupportClubsClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SupportClubsRules)->Unit(benchmark::kMicrosecond);
const Ratio load{"BM_SupportClubsLoad", "BM_SupportClubsLoadRawRead"};
const Ratio click{"BM_SupportClubsClick", "BM_SupportClubsRules"};

} // namespace
} // namespace zt::bench
