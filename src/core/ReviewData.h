#pragma once
#include "ClassData.h"
#include "PupilStores.h"
#include <QString>
#include <array>

namespace zt {

// The report parts the review can show, numbered as its check boxes.
enum ReviewPart {
    WorkPart,
    SocialPart,
    InterestsPart,
    SpeakingPart,
    ReadingPart,
    WritingPart,
    NumbersPart,
    MeasuresPart,
    SpacePart,
    RemarksPart,
    SupportClubPart,
    ReviewPartCount
};

using ReviewTexts = std::array<QString, ReviewPartCount>;

// What the review shows of the class: the class with its pupils and their stored texts; the
// reports take the same and every field of the pupils' records.
struct ReviewData : ClassData {
    PerPupil<ReviewTexts> Texts;
};

// The review reads the first eight fields of the school data, the reports all ten.
constexpr int ReviewBaseDataFields = 8;
constexpr int ReportBaseDataFields = 10;

// Reads the school data, the pupil list, the work and social behaviour store and the store of the
// class's grade. Store records are matched to pupils by slot, not by name. A missing or damaged
// file, or a record that would land beyond the slots, is reported; the rest is read.
ReviewData LoadReviewData(int baseDataFields = ReviewBaseDataFields);

} // namespace zt
