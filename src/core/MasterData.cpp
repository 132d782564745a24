#include "MasterData.h"
#include "FileProblems.h"
#include "NumberedFile.h"
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

void writeStudentFields(RecordWriter& w, const StudentRecord& s)
{
    w.string(s.Surname).string(s.FirstName).string(s.Gender).string(s.BirthDate);
    w.string(s.Club1).string(s.Club2).string(s.Club3).string(s.Club4).string(s.BirthPlace);
}

void writeStudents(RecordWriter& w, const StudentList& students)
{
    for (int slot = 0; slot < students.Count; ++slot) {
        w.integer(slot + 1).string(students.ClassName);
        writeStudentFields(w, students.Slots.at(slot));
        w.endRecord();
    }
}

void writeClubList(RecordWriter& w, const QStringList& entries)
{
    int written = 0;
    for (const QString& entry : entries) {
        if (written == MaxClubs)
            break;
        if (entry.isEmpty())
            continue;
        w.string(entry).endRecord();
        ++written;
    }
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

void SibankPathRecord::write(RecordWriter& w) const { w.string(ExportPath).endRecord(); }

void PictureListRecord::write(RecordWriter& w) const
{
    w.integer(Number).string(ClassName).string(Surname).string(FirstName).string(PictureName).endRecord();
}

void writePictureList(RecordWriter& w, const StudentList& students, const std::array<QString, PupilSlots>& pictureNames)
{
    for (int slot = 0; slot < students.Count; ++slot) {
        const StudentRecord& s = students.Slots.at(slot);
        PictureListRecord{slot + 1, students.ClassName, s.Surname, s.FirstName, pictureNames.at(slot)}.write(w);
    }
}

std::optional<QString> NextSchoolYear(const QString& schoolYear)
{
    const QString year = schoolYear.left(4);
    // Four digits: a sign or a blank would give a year that no teacher typed.
    if (year.size() < 4 || !std::all_of(year.begin(), year.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int y = year.toInt();
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
    return saveMasterFile(BaseDataFile, w);
}

bool saveMasterFile(const QString& relativePath, const RecordWriter& records)
{
    const WriteResult written = writeRecordFile(relativePath, records);
    if (!written)
        reportWriteFailure(relativePath, written);
    return bool(written);
}

namespace {
// Reads a file the teacher may not have yet; a missing one gives nothing, silently.
template <class Read>
void readIfPresent(const QString& relativePath, Read read)
{
    std::optional<RecordReader> reader = openRecordFile(relativePath);
    if (!reader)
        return;
    read(*reader);
    if (reader->damaged())
        reportDamagedFile(relativePath);
}
} // namespace

QStringList loadClubList()
{
    QStringList names;
    readIfPresent(ClubListFile, [&](RecordReader& r) { names = readClubList(r); });
    if (names.size() > MaxClubs) {
        reportTooManyRecords(ClubListFile, MaxClubs);
        names = names.mid(0, MaxClubs);
    }
    return names;
}

SibankPathRecord loadSibankPath()
{
    SibankPathRecord record;
    readIfPresent(SibankPathFile, [&](RecordReader& r) { record.ExportPath = r.string(); });
    return record;
}

SibankDefaultsRecord loadSibankDefaults()
{
    SibankDefaultsRecord record;
    readIfPresent(SibankDefaultsFile, [&](RecordReader& r) {
        record.SibankPlusPath = r.string();
        record.SibwinPath = r.string();
    });
    return record;
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
    const NumberedFile file = readNumberedFile(StudentsFile, PupilSlots, [&](RecordReader& reader, int slot) {
        StudentRecord scratch;
        StudentRecord& target = slot >= 0 && slot < PupilSlots ? list.Slots[slot] : scratch;
        readStudent(reader, target);
        // A cut record may hold a cut class ("3" of "3a"), which would go into every record written.
        if (!reader.damaged()) {
            list.ClassName = target.ClassName;
            ++list.WholeRecords;
        }
    });
    list.Count = file.count;
    list.Damaged = file.damaged;
    return list;
}

PictureList loadPictureList()
{
    PictureList list;
    const NumberedFile file = readNumberedFile(PictureListFile, PupilSlots, [&](RecordReader& reader, int slot) {
        PictureListRecord scratch;
        PictureListRecord& target = slot >= 0 && slot < PupilSlots ? list.Slots[slot] : scratch;
        target.Number = slot + 1;
        target.ClassName = reader.string();
        target.Surname = reader.string();
        target.FirstName = reader.string();
        target.PictureName = reader.string();
    });
    list.Count = file.count;
    list.Damaged = file.damaged;
    return list;
}

} // namespace zt
