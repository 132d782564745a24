#include "BenchSupport.h"
#include "Floors.h"
#include "editors/GSAenderung34.h"

namespace zt::bench {
namespace {

// Opening the window and loading the current set into its boxes. The class of the benchmark
// folder is a grade 3, so the editor reads Versetzung3.Txt only.
const LoadBenchmark load{"GSAenderung34",
                         [] {
                             auto w = std::make_unique<GSAenderung34>();
                             w->Form_Load();
                             w->Command1_Click(1);
                             return std::unique_ptr<Form>(std::move(w));
                         },
                         {QStringLiteral("Daten\\Namen.Txt"), QStringLiteral("Daten\\Basisdaten.txt"),
                          QStringLiteral("Daten\\Förder34.Txt"), QStringLiteral("Daten\\Zensurabweichung.Txt"),
                          QStringLiteral("Daten\\Interessen34.Txt"), QStringLiteral("Daten\\Versetzung3.Txt"),
                          QStringLiteral("Daten\\Bemerkungen34.Txt"), QStringLiteral("Daten\\AG.Txt")}};

} // namespace
} // namespace zt::bench
