#pragma once
#include "RecordFile.h"
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zt {

// Every per-pupil array has 36 slots; slot i holds the pupil with list number i+1.
constexpr int PupilSlots = 36;
constexpr int MaxPupils = 33;

inline const QString BaseDataFile = QStringLiteral("Daten\\Basisdaten.txt");
inline const QString StudentsFile = QStringLiteral("Daten\\Namen.Txt");

struct BaseDataRecord {
    QString SchoolName;
    QString SchoolNameAddition;
    QString Address;
    QString IssuePlace;
    QString IssueDate;
    QString SchoolYear;
    QString HalfYear;
    QString NextSchoolYear;
    QString ConferenceDate;
    QString ClassTeacher;

    // Reads the first `fields` fields (a prefix of the ten); the others stay empty.
    void read(RecordReader& reader, int fields = 10);
    void write(RecordWriter& writer) const;
};

struct StudentRecord {
    QString ClassName;
    QString Surname;
    QString FirstName;
    QString Gender;
    QString BirthDate;
    QString Club1, Club2, Club3, Club4;
    QString BirthPlace;
};

struct StudentList {
    QString ClassName; // of the last record read whole
    int Count = 0;     // number of the last record
    // The file was cut off or malformed: the list holds only what could be read.
    bool Damaged = false;
    // The records read before the damage; the others may hold only part of their pupil.
    int WholeRecords = 0;
    std::array<StudentRecord, PupilSlots> Slots;
};

// The nine fields of a pupil, surname to birth place, in the order of Namen.Txt.
void writeStudentFields(RecordWriter& writer, const StudentRecord& student);
// Namen.Txt: the pupils of slots 0 to Count-1, numbered from 1, each with the class of the list.
void writeStudents(RecordWriter& writer, const StudentList& students);

// AGListe.txt: one club name per record.
inline const QString ClubListFile = QStringLiteral("Daten\\AGListe.txt");
constexpr int MaxClubs = 25;
// The first 25 non-empty entries of the club list, in order.
void writeClubList(RecordWriter& writer, const QStringList& entries);
// Every non-empty name in file order.
QStringList readClubList(RecordReader& reader);

inline const QString SibankPathFile = QStringLiteral("Daten\\Sibankpfad.txt");
inline const QString SibankDefaultsFile = QStringLiteral("Daten\\sib1undsib2.txt");
inline const QString PictureListFile = QStringLiteral("Daten\\Bildliststeuer.Txt");

struct SibankPathRecord {
    QString ExportPath;
    void write(RecordWriter& writer) const;
};
struct SibankDefaultsRecord {
    QString SibankPlusPath;
    QString SibwinPath;
};
struct PictureListRecord {
    int Number = 0;
    QString ClassName;
    QString Surname;
    QString FirstName;
    QString PictureName;
    void write(RecordWriter& writer) const;
};
// Bildliststeuer.Txt: one record per pupil of the list with its photo name.
void writePictureList(RecordWriter& writer, const StudentList& students,
                      const std::array<QString, PupilSlots>& pictureNames);

struct PictureList {
    int Count = 0; // number of the last record
    bool Damaged = false; // as StudentList::Damaged
    std::array<PictureListRecord, PupilSlots> Slots;
};

// The next school year from the first four characters of the school year: "2005/2006" gives
// "2006/2007"; nothing when they are not four digits.
std::optional<QString> NextSchoolYear(const QString& schoolYear);

// The grade is the first character of the class: 1 to 4, or 0 when it is none of them.
int GradeOfClass(const QString& className);
// Grade 1 has no first half-year.
QString HalfYearForGrade(const QString& halfYear, int grade);

// Readers that tell the teacher about a missing, damaged or overlong file and return what they
// could read.
std::optional<BaseDataRecord> loadBaseData(int fields = 10);
bool saveBaseData(const BaseDataRecord& record);
// A file the teacher may not have yet: missing, it is read as empty without a message. A club
// list longer than 25 names is reported and read as far as it goes.
QStringList loadClubList();
SibankPathRecord loadSibankPath();
SibankDefaultsRecord loadSibankDefaults();
// Writes a whole master-data file; a failure is reported and leaves the previous file in place.
bool saveMasterFile(const QString& relativePath, const RecordWriter& records);
StudentList loadStudents();
// Bildliststeuer.Txt by the numbered rule of the pupil list.
PictureList loadPictureList();

} // namespace zt
