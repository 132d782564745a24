#pragma once
#include "ClassData.h"
#include "Placeholders.h"
#include "ReviewData.h"
#include <QString>
#include <QStringList>
#include <vector>

namespace zt {

// Where a blank form leaves a value to be written by hand.
inline const QString WriteOnLine = QString(40, QLatin1Char('_'));

// What a document of the pupils says when the pupil list is empty.
inline const QString EmptyClassNote =
    QStringLiteral("Die Schülerliste ist leer. Bitte tragen Sie die Kinder der Klasse im Fenster der Schul- und "
                   "Schülerdaten ein und speichern Sie sie.");

struct ReportField {
    QString label;
    QString value;
};

struct ReportArea {
    QString heading;
    QString text;
    int writingLines = 0; // lines left below the heading to write on by hand
};

// One report as the school hands it out, top to bottom.
struct ReportCard {
    QString schoolName;
    QStringList schoolLines; // the addition and the address, where the school data have them
    QString kind;            // "Halbjahreszeugnis"
    QString classLine;       // "Klasse 3a – Schuljahr 2026/2027 – 1. Halbjahr"
    std::vector<ReportField> pupil;
    std::vector<ReportArea> areas;
    QString conference; // empty where the school data name no conference
    QString issue;      // "Musterstadt, den 29.01.2027"
    QStringList signatures;
};

// "Halbjahreszeugnis" for the first half-year, "Jahreszeugnis" for the second, else "Zeugnis".
QString ReportKind(const QString& halfYear);
// The class teacher's caption below the signature line: "Frau Sommer" signs as "Klassenlehrerin
// Frau Sommer", "Herr Kurz" as "Klassenlehrer Herr Kurz", any other name as "Klassenleitung" and
// the name.
QString ClassTeacherCaption(const QString& classTeacher);
// "Musterstadt, den 29.01.2027"; a missing date is left to write on.
QString IssueLine(const QString& place, const QString& date);
// "Beschluss der Zeugniskonferenz vom 21.01.2027", or nothing without a conference date.
QString ConferenceLine(const QString& conferenceDate);
// The full placeholder set for a pupil, with the school data's years and conference date; a
// missing next school year is taken from the school year.
PlaceholderValues ReportPlaceholders(const BaseDataRecord& baseData, const StudentRecord& pupil);

// The report of the pupil in the slot: every area of the class's grade with its heading, in the
// review's order, holding the pupil's text with every placeholder replaced; an area without text
// stays empty.
ReportCard PupilReport(const ReviewData& data, int slot);
// One report per pupil, in list order.
std::vector<ReportCard> ClassReports(const ReviewData& data);

// The attachment to the pupil's report: the areas of the grade's own window (work and social
// behaviour stay on the report), under the pupil's name, class and school year.
ReportCard ReportAttachment(const ReviewData& data, int slot);
std::vector<ReportCard> ClassReportAttachments(const ReviewData& data);

// A report of the class's grade for no pupil in particular: the class's data filled in, the
// pupil's name and birth and every area left to write by hand.
ReportCard BlankReport(const ClassData& data);

} // namespace zt
