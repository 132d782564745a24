#pragma once
#include "MasterData.h"
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

struct ReviewPupil {
    QString Surname;
    QString FirstName;
    std::array<QString, ReviewPartCount> Texts;
};

// What the review shows of the class: the school data, the pupil list and the stored texts.
struct ReviewData {
    BaseDataRecord BaseData; // the first eight fields
    QString ClassName;
    int Grade = 0;
    int PupilCount = 0;
    PerPupil<ReviewPupil> Pupils;
};

// Reads the school data, the pupil list, the work and social behaviour store and the store of the
// class's grade. Store records are matched to pupils by slot, not by name. A missing or damaged
// file, or a record that would land beyond the slots, is reported; the rest is read.
ReviewData LoadReviewData();

} // namespace zt
