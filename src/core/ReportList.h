#pragma once
#include "ClassData.h"
#include <QString>
#include <QStringList>
#include <vector>

namespace zt {

// The class's report list: the pupils with the columns the teacher fills by hand for the reports.
struct ReportList {
    QString title;
    // The filled columns (number, name, birth date), then the columns left empty. A soft hyphen
    // marks where a long heading may break in a narrow column.
    QStringList columns;
    int filledColumns = 3;
    std::vector<QStringList> rows; // the filled columns of each pupil, in list order
    QString legend;                // what short column names stand for, or nothing
};

// Grades 1 and 2 get no marks: their list is the absence list (days missed, of them unexcused).
// From grade 3 the list has a column for the mark of every subject beside the days missed.
ReportList ClassReportList(const ClassData& data);

} // namespace zt
