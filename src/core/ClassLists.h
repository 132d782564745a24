#pragma once
#include "MasterData.h"
#include <QList>
#include <QString>
#include <QStringList>

namespace zt {

// A list of the class as its document shows it under the class heading: a few lines, then a table
// with one row per pupil of the list, in list order.
struct ClassListContent {
    QString title;
    QStringList lead;
    QStringList columns;
    QList<QStringList> rows;
};

// Number, surname, first name, birth date and place, gender and clubs of every pupil, under a line
// that counts the girls and boys.
ClassListContent ClassList(const StudentList& pupils);

// The names with empty narrow columns to make tally marks in.
constexpr int TallyColumns = 10;
ClassListContent TallyList(const StudentList& pupils);

// "Becker, Lea"; a part that is empty is left out with its comma.
QString ListName(const QString& surname, const QString& firstName);

// The line that stands where a list has no pupils.
QString EmptyPupilListNote();

} // namespace zt
