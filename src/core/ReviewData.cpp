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
                                                       data.Pupils[slot].Texts[part] = text;
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
    if (std::optional<BaseDataRecord> record = loadBaseData(baseDataFields))
        data.BaseData = *record;
    data.Students = loadStudents();
    const StudentList& pupils = data.Students;
    data.ClassName = pupils.ClassName;
    data.Grade = GradeOfClass(pupils.ClassName);
    data.PupilCount = pupils.Count;
    for (int slot = 0; slot < PupilSlots; ++slot) {
        data.Pupils[slot].Surname = pupils.Slots[slot].Surname;
        data.Pupils[slot].FirstName = pupils.Slots[slot].FirstName;
    }

    readTexts(AvSvTextStore, pupils, data, {WorkPart, SocialPart});
    if (data.Grade < 3)
        readTexts(Grade12TextStore, pupils, data,
                  {InterestsPart, SpeakingPart, ReadingPart, WritingPart, NumbersPart, MeasuresPart, SpacePart, RemarksPart});
    else
        readTexts(Grade34TextStore, pupils, data, {SupportClubPart, InterestsPart, RemarksPart});
    return data;
}

} // namespace zt
