#pragma once
#include <QDate>
#include <QString>
#include <optional>

namespace zt {

inline const QString ReportAttachmentsDocument = QStringLiteral("ZeugnisseAnlagen.odt");
inline const QString BlankReportDocument = QStringLiteral("Leerformular.odt");

// Each makes its document from the data files as they are now and returns its path relative to
// the program folder, or nothing when it could not be written (reported).

// The class's reports, one pupil to a page, in the document that "Erstellte Zeugnisse bearbeiten
// und drucken" opens; the previous reports are kept as the copy of the day.
std::optional<QString> MakeClassReports(const QDate& today);
// The attachments to the reports, one pupil to a page; the previous ones are kept as the copy of
// the day.
std::optional<QString> MakeReportAttachments(const QDate& today);
// A blank report of the class's grade to fill by hand.
std::optional<QString> MakeBlankReportForm();

} // namespace zt
