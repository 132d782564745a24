#include "MasterData.h"
#include "FileProblems.h"
#include <algorithm>

namespace zt {

void BaseDataRecord::read(RecordReader& reader, int fields)
{
    QString* targets[] = {&SchoolName, &SchoolNameAddition, &Address, &IssuePlace, &IssueDate,
                          &SchoolYear, &HalfYear, &NextSchoolYear, &ConferenceDate, &ClassTeacher};
    for (int i = 0; i < fields && i < 10; ++i)
        *targets[i] = reader.string();
}

void BaseDataRecord::write(RecordWriter& w) const
{
    w.string(SchoolName).string(SchoolNameAddition).string(Address).string(IssuePlace).string(IssueDate);
    w.string(SchoolYear).string(HalfYear).string(NextSchoolYear).string(ConferenceDate).string(ClassTeacher);
    w.endRecord();
}

void writeClubList(RecordWriter& w, const QStringList& entries)
{
    for (int i = 0; i < MaxClubs && i < entries.size(); ++i)
        if (!entries.at(i).isEmpty())
            w.string(entries.at(i)).endRecord();
}

QStringList readClubList(RecordReader& r)
{
    QStringList names;
    while (!r.atEnd()) {
        const QString name = r.string();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

void PictureListRecord::write(RecordWriter& w) const
{
    w.integer(Number).string(ClassName).string(Surname).string(FirstName).string(PictureName).endRecord();
}

std::optional<QString> NextSchoolYear(const QString& schoolYear)
{
    bool ok = false;
    const int y = schoolYear.left(4).toInt(&ok);
    if (!ok || schoolYear.size() < 4)
        return std::nullopt;
    return QString::number(y + 1) + QLatin1Char('/') + QString::number(y + 2);
}

int GradeOfClass(const QString& className)
{
    if (className.isEmpty())
        return 0;
    const int digit = className.at(0).digitValue();
    return digit >= 1 && digit <= 4 ? digit : 0;
}

QString HalfYearForGrade(const QString& halfYear, int grade)
{
    if (grade == 1 && halfYear.trimmed().toInt() == 1)
        return QStringLiteral("2");
    return halfYear;
}

std::optional<BaseDataRecord> loadBaseData(int fields)
{
    std::optional<RecordReader> reader = openRecordFile(BaseDataFile);
    if (!reader) {
        reportMissingFile(BaseDataFile);
        return std::nullopt;
    }
    BaseDataRecord record;
    record.read(*reader, fields);
    if (reader->damaged())
        reportDamagedFile(BaseDataFile);
    return record;
}

bool saveBaseData(const BaseDataRecord& record)
{
    RecordWriter w;
    record.write(w);
    if (writeRecordFile(BaseDataFile, w))
        return true;
    reportWriteFailure(BaseDataFile);
    return false;
}

namespace {
void readStudent(RecordReader& r, StudentRecord& s)
{
    s.ClassName = r.string();
    s.Surname = r.string();
    s.FirstName = r.string();
    s.Gender = r.string();
    s.BirthDate = r.string();
    s.Club1 = r.string();
    s.Club2 = r.string();
    s.Club3 = r.string();
    s.Club4 = r.string();
    s.BirthPlace = r.string();
}
} // namespace

StudentList loadStudents()
{
    StudentList list;
    std::optional<RecordReader> reader = openRecordFile(StudentsFile);
    if (!reader) {
        reportMissingFile(StudentsFile);
        return list;
    }
    const NumberedResult result = readNumbered(*reader, PupilSlots, [&](int slot) {
        StudentRecord scratch;
        StudentRecord& target = slot >= 0 && slot < PupilSlots ? list.Slots[slot] : scratch;
        readStudent(*reader, target);
        list.ClassName = target.ClassName;
    });
    list.Count = std::clamp(result.count, 0, PupilSlots);
    if (result.truncated)
        reportTooManyRecords(StudentsFile, PupilSlots);
    list.Damaged = reader->damaged();
    if (list.Damaged)
        reportDamagedFile(StudentsFile);
    return list;
}

std::optional<QString> loadClassName()
{
    std::optional<RecordReader> reader = openRecordFile(StudentsFile);
    if (!reader) {
        reportMissingFile(StudentsFile);
        return std::nullopt;
    }
    QString className;
    while (!reader->atEnd()) {
        reader->integer();
        StudentRecord s;
        readStudent(*reader, s);
        className = s.ClassName;
    }
    if (reader->damaged())
        reportDamagedFile(StudentsFile);
    return className;
}

} // namespace zt
