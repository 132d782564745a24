#include "ReportLayout.h"

namespace zt {

void AddReportCard(DocumentBuilder& document, const ReportCard& card)
{
    document.newPage();
    // Ten areas of a grade 1 or 2 report fit one page.
    document.setTextPoints(10);
    document.subtitle(card.schoolName);
    for (const QString& line : card.schoolLines)
        document.smallText(line, Qt::AlignHCenter);
    document.space(14);
    document.title(card.kind);
    document.text(card.classLine, Qt::AlignHCenter);
    document.space(10);
    for (const ReportField& f : card.pupil)
        document.field(f.label, f.value);
    for (const ReportArea& area : card.areas) {
        document.heading(area.heading);
        if (area.writingLines > 0)
            document.writingLines(area.writingLines);
        else
            document.text(area.text, Qt::AlignJustify);
    }
    document.space(6);
    if (!card.conference.isEmpty())
        document.text(card.conference);
    document.text(card.issue);
    document.signatures(card.signatures);
}

} // namespace zt
