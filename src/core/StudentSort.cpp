#include "StudentSort.h"
#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <vector>

namespace zt {

namespace {
QStringList sortFields(const StudentRecord& s)
{
    return {s.Surname, s.FirstName, s.Gender, s.BirthDate, s.Club1, s.Club2, s.Club3, s.Club4, s.BirthPlace};
}

// The letters as a German reader weighs them first: without case, marks or strokes, ß as ss.
QString baseLetters(const QString& text)
{
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        switch (const QChar lower = c.toCaseFolded(); lower.unicode()) {
        case u'ß': out += QLatin1String("ss"); break;
        case u'æ': out += QLatin1String("ae"); break;
        case u'œ': out += QLatin1String("oe"); break;
        case u'ł': out += QLatin1Char('l'); break;
        case u'ø': out += QLatin1Char('o'); break;
        case u'đ':
        case u'ð': out += QLatin1Char('d'); break;
        case u'ħ': out += QLatin1Char('h'); break;
        default: out += lower;
        }
    }
    return out;
}

struct SortedPupil {
    StudentRecord pupil;
    QStringList baseKeys;
    QStringList keys;
};
} // namespace

void SortStudents(StudentList& students)
{
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto compare = [&collator](const QStringList& left, const QStringList& right) {
        for (qsizetype i = 0; i < left.size(); ++i)
            if (const int order = collator.compare(left.at(i), right.at(i)); order != 0)
                return order;
        return 0;
    };
    std::vector<SortedPupil> pupils;
    for (int slot = 0; slot < students.Count; ++slot) {
        const StudentRecord& s = students.Slots.at(slot);
        const QStringList keys = sortFields(s);
        QStringList baseKeys;
        for (const QString& key : keys)
            baseKeys << baseLetters(key);
        pupils.push_back({s, baseKeys, keys});
    }
    // Every field at base letters first, so that a mark in the surname does not outweigh the first name.
    std::stable_sort(pupils.begin(), pupils.end(), [&compare](const SortedPupil& a, const SortedPupil& b) {
        const int order = compare(a.baseKeys, b.baseKeys);
        return (order != 0 ? order : compare(a.keys, b.keys)) < 0;
    });
    for (int slot = 0; slot < students.Count; ++slot)
        students.Slots.at(slot) = std::move(pupils.at(slot).pupil);
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
