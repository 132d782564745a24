#pragma once
#include "MasterData.h"
#include "RecordFile.h"
#include <QString>
#include <array>
#include <functional>

namespace zt {

// One value per pupil slot.
template <class T>
using PerPupil = std::array<T, PupilSlots>;

// The first four fields of every record of every per-pupil store.
struct StudentKey {
    int Number = 0; // slot + 1
    QString ClassName;
    QString Surname;
    QString FirstName;

    // A number that cannot be read is taken to be the expected one.
    static StudentKey read(RecordReader& reader, int expectedNumber = 0);
    void write(RecordWriter& writer) const;
};

// The key of a slot is always taken from the current pupil list, never from a store.
StudentKey KeyOfSlot(const StudentList& pupils, int slot);

// A store file of the class in Daten, one record per pupil in slot order, and its dated copies
// in Daten\Sicherheit, one per day.
struct PupilStore {
    QString stem; // "AVSVspeicher"

    QString path() const;
    // The copy of the day: stem + date + ".txt"; the date is the German short date.
    QString backupPath(const QString& date) const;
};

inline const QString BackupFolder = QStringLiteral("Daten\\Sicherheit");

// The six stores of the class: texts and choices of the work and social behaviour, texts and
// locks of grades 1 and 2, texts and locks of grades 3 and 4.
inline const PupilStore AvSvTextStore{QStringLiteral("AVSVspeicher")};
inline const PupilStore AvSvChoiceStore{QStringLiteral("AVSVWahl")};
inline const PupilStore Grade12TextStore{QStringLiteral("12Speicher")};
inline const PupilStore Grade12LockStore{QStringLiteral("12Sperre")};
inline const PupilStore Grade34TextStore{QStringLiteral("34Speicher")};
inline const PupilStore Grade34LockStore{QStringLiteral("34Sperre")};

// Which slot a record fills: the number of the record before it (the numbered-record rule), or
// simply its place in the file.
enum class SlotRule { ByNumber, ByOrder };
// Whether each record's surname must match the list's surname of its number.
enum class KeyCheck { Surname, None };

enum class StoreReading { Read, Missing, SurnameMismatch };

// Reads the store record by record: the key, then readFields(reader, slot) for the rest of the
// record. The slot may lie outside 0..35; readFields must then still read the fields. A surname
// that differs from the list is reported in the result, but the file is still read to its end:
// a teacher who keeps the stores must not lose the texts behind the first difference. At most 36
// records are read. A damaged or overlong file is reported; a missing one is not (the caller
// creates it).
StoreReading ReadStore(const PupilStore& store, const StudentList& pupils, SlotRule rule, KeyCheck check,
                       const std::function<void(RecordReader&, int slot)>& readFields);

// One record per pupil of the list: its key, then writeFields(writer, slot).
using StoreFields = std::function<void(RecordWriter&, int slot)>;
QString StoreText(const StudentList& pupils, const StoreFields& writeFields);

// Writes the store text. A failure is reported and leaves the previous file in place.
bool WriteStore(const PupilStore& store, const StudentList& pupils, const StoreFields& writeFields);

// Copies the store to the copy of the day (the German short date), replacing an earlier copy of the
// same day; the folder is created when it is missing. A failure is reported.
bool BackupStore(const PupilStore& store, const QString& date);

// An area is locked for every pupil whose text of that area is not empty, and open for the others.
void LockFlagsFromTexts(const PerPupil<QString>& texts, PerPupil<int>& locked, int pupilCount);

} // namespace zt
