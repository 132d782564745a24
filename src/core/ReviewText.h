#pragma once
#include "ReviewData.h"
#include <QString>
#include <array>
#include <vector>

namespace zt {

// Which parts are shown, by check box.
using ReviewTicks = std::array<bool, ReviewPartCount>;

// "Interessen und Fertigkeiten:" below grade 3, "Besondere Interessen:" from grade 3.
QString InterestsHeading(int grade);

struct ReviewSection {
    ReviewPart part;
    QString heading;
};

// The parts of the grade's report in the order of the review's blocks, each with its heading: work
// and social behaviour, then the areas of the grade's window, the support-and-clubs part before the
// remarks.
std::vector<ReviewSection> SectionsOfGrade(int grade);

// The pupil's name line, each ticked part as heading and text (a ticked part without text still
// gives its heading), the support-and-clubs part before the remarks, and the underline.
QString PupilBlock(const StudentRecord& pupil, const ReviewTexts& texts, const ReviewTicks& ticked,
                   const QString& interestsHeading);

// The blocks of every pupil of the list, in list order.
QString DisplayBody(const ReviewData& data, const ReviewTicks& ticked);

// The school line, the class line, the title and the underline above the body, three line ends
// below it.
QString DisplayText(const BaseDataRecord& baseData, const QString& className, const QString& body);

} // namespace zt
