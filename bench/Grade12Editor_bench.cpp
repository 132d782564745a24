#include "BenchSupport.h"
#include "Floors.h"
#include "editors/GSAenderung12.h"

namespace zt::bench {
namespace {

// Opening the window and loading the current set into its boxes. The class of the benchmark
// folder is no grade 1 or 2, so the editor reads the grade 2 set.
const LoadBenchmark load{"GSAenderung12",
                         [] {
                             auto w = std::make_unique<GSAenderung12>();
                             w->Form_Load();
                             w->Command3_Click(1);
                             return std::unique_ptr<Form>(std::move(w));
                         },
                         {QStringLiteral("Daten\\Namen.Txt"), QStringLiteral("Daten\\Basisdaten.txt"),
                          QStringLiteral("Daten\\Interessen12.Txt"), QStringLiteral("Daten\\Sprechen2.Txt"),
                          QStringLiteral("Daten\\Lesen2.Txt"), QStringLiteral("Daten\\Schreiben2.Txt"),
                          QStringLiteral("Daten\\Mathe2.Txt"), QStringLiteral("Daten\\Bemerkungen2.Txt"),
                          QStringLiteral("Daten\\Versetzung2.Txt"), QStringLiteral("Daten\\Zwischentexte.Txt")}};

} // namespace
} // namespace zt::bench
