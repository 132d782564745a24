#include "StudentSort.h"
#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace zt {

namespace {
QStringList sortFields(const StudentRecord& s)
{
    return {s.Surname, s.FirstName, s.Gender, s.BirthDate, s.Club1, s.Club2, s.Club3, s.Club4, s.BirthPlace};
}
} // namespace

void SortStudents(StudentList& students)
{
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto first = students.Slots.begin();
    std::stable_sort(first, first + students.Count, [&collator](const StudentRecord& a, const StudentRecord& b) {
        const QStringList left = sortFields(a);
        const QStringList right = sortFields(b);
        for (qsizetype i = 0; i < left.size(); ++i)
            if (const int order = collator.compare(left.at(i), right.at(i)); order != 0)
                return order < 0;
        return false;
    });
}

bool saveSortedStudents(const StudentList& students)
{
    RecordWriter w;
    for (int slot = 0; slot < students.Count; ++slot) {
        writeStudentFields(w, students.Slots.at(slot));
        w.endRecord();
    }
    return saveMasterFile(SortedStudentsFile, w);
}

} // namespace zt
