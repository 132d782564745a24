#pragma once
#include "DocumentBuilder.h"
#include "core/ReportCards.h"

namespace zt {

// One report on its page, as the reports, their attachments and the blank form lay it out: the
// school, the kind of report and the class, the pupil, the areas, the day of issue and the lines
// to sign on.
void AddReportCard(DocumentBuilder& document, const ReportCard& card);

} // namespace zt
