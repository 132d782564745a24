#pragma once
#include "ReviewData.h"
#include <QString>
#include <array>

namespace zt {

// Which parts are shown, by check box.
using ReviewTicks = std::array<bool, ReviewPartCount>;

// "Interessen und Fertigkeiten:" below grade 3, "Besondere Interessen:" from grade 3.
QString InterestsHeading(int grade);

// The pupil's name line, each ticked part as heading and text (a ticked part without text still
// gives its heading), the support-and-clubs part before the remarks, and the underline.
QString PupilBlock(const ReviewPupil& pupil, const ReviewTicks& ticked, const QString& interestsHeading);

// The blocks of every pupil of the list, in list order.
QString DisplayBody(const ReviewData& data, const ReviewTicks& ticked);

// The school line, the class line, the title and the underline above the body, three line ends
// below it.
QString DisplayText(const BaseDataRecord& baseData, const QString& className, const QString& body);

} // namespace zt
