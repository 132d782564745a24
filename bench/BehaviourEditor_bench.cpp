#include "BenchSupport.h"
#include "Floors.h"
#include "editors/GSAVSVAenderung.h"

namespace zt::bench {
namespace {

// Opening the window and loading the current set into its boxes.
const LoadBenchmark load{"GSAVSVAenderung",
                         [] {
                             auto w = std::make_unique<GSAVSVAenderung>();
                             w->Form_Load();
                             w->Command1_Click(1);
                             return std::unique_ptr<Form>(std::move(w));
                         },
                         {QStringLiteral("Daten\\AVKategorien.txt"), QStringLiteral("Daten\\TexteAV.txt"),
                          QStringLiteral("Daten\\SVKategorien.txt"), QStringLiteral("Daten\\TexteSV.txt")}};

} // namespace
} // namespace zt::bench
