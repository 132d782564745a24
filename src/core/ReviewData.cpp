#include "ReviewData.h"
#include "FileProblems.h"
#include <initializer_list>

namespace zt {

namespace {
// Reads the texts of a store into the given parts, in the order of its fields.
void readTexts(const PupilStore& store, const StudentList& pupils, ReviewData& data,
               std::initializer_list<ReviewPart> parts)
{
    bool beyondSlots = false;
    const StoreReading reading = ReadStore(store, pupils, SlotRule::ByNumber, KeyCheck::None,
                                           [&](RecordReader& reader, int slot) {
                                               const bool inSlots = slot >= 0 && slot < PupilSlots;
                                               beyondSlots = beyondSlots || !inSlots;
                                               for (ReviewPart part : parts) {
                                                   const QString text = reader.string();
                                                   if (inSlots)
                                                       data.Texts[slot][part] = text;
                                               }
                                           });
    if (reading == StoreReading::Missing)
        reportMissingFile(store.path());
    if (beyondSlots)
        reportDamagedFile(store.path());
}
} // namespace

ReviewData LoadReviewData(int baseDataFields)
{
    ReviewData data;
    static_cast<ClassData&>(data) = LoadClassData(baseDataFields);
    const StudentList& pupils = data.Pupils;
    readTexts(AvSvTextStore, pupils, data, {WorkPart, SocialPart});
    if (data.Grade < 3)
        readTexts(Grade12TextStore, pupils, data,
                  {InterestsPart, SpeakingPart, ReadingPart, WritingPart, NumbersPart, MeasuresPart, SpacePart, RemarksPart});
    else
        readTexts(Grade34TextStore, pupils, data, {SupportClubPart, InterestsPart, RemarksPart});
    return data;
}

} // namespace zt
