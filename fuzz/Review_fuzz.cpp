// The review's reading of the class, and the reports made from it: the input stands for each of its
// files in turn, beside well-formed others.
#include "core/MasterData.h"
#include "core/PupilStores.h"
#include "core/ReportCards.h"
#include "core/ReportList.h"
#include "core/ReviewData.h"
#include "FuzzFolder.h"
#include <cstddef>
#include <cstdint>

namespace {
const char BaseData[] = "\"Schule\",\"\",\"Weg 1\",\"Ort\",\"01.02.2027\",\"2026/2027\",\"1\",\"2027/2028\",\"\",\"Frau A\"\r\n";
const char Pupils[] = "1,\"3a\",\"Becker\",\"Lea\",\"w\",\"05.03.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"
                      "2,\"3a\",\"Kaya\",\"Emre\",\"m\",\"11.11.2017\",\"\",\"\",\"\",\"\",\"Ort\"\r\n";
const char Texts[] = "1,\"3a\",\"Becker\",\"Lea\",\"a\",\"b\"\r\n";
const char Grade34[] = "1,\"3a\",\"Becker\",\"Lea\",\"a\",\"b\",\"c\"\r\n";
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zt;
    const QString files[] = {BaseDataFile, StudentsFile, AvSvTextStore.path(), Grade34TextStore.path(),
                             Grade12TextStore.path()};
    const char* contents[] = {BaseData, Pupils, Texts, Grade34, Grade34};
    for (const QString& target : files) {
        for (int i = 0; i < 5; ++i) {
            const QByteArray fixed(contents[i]);
            fuzz::putInput(files[i], reinterpret_cast<const std::uint8_t*>(fixed.constData()), static_cast<std::size_t>(fixed.size()));
        }
        fuzz::putInput(target, data, size);
        const ReviewData review = LoadReviewData();
        if (review.Pupils.Count < 0 || review.Pupils.Count > PupilSlots)
            __builtin_trap();
        const ReviewData reports = LoadReviewData(ReportBaseDataFields);
        if (ClassReports(reports).size() > PupilSlots || ClassReportAttachments(reports).size() > PupilSlots)
            __builtin_trap();
        if (ClassReportList(LoadClassData()).rows.size() > PupilSlots)
            __builtin_trap();
    }
    return 0;
}
