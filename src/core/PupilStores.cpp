#include "PupilStores.h"
#include "FileProblems.h"
#include "ProgramFolder.h"
#include "QuoteRule.h"

namespace zt {

StudentKey StudentKey::read(RecordReader& reader, int expectedNumber)
{
    StudentKey key;
    key.Number = reader.integer(static_cast<qint16>(expectedNumber));
    key.ClassName = reader.string();
    key.Surname = reader.string();
    key.FirstName = reader.string();
    return key;
}

void StudentKey::write(RecordWriter& writer) const
{
    writer.integer(Number).string(ClassName).string(Surname).string(FirstName);
}

StudentKey KeyOfSlot(const StudentList& pupils, int slot)
{
    const StudentRecord& s = pupils.Slots.at(slot);
    return StudentKey{slot + 1, pupils.ClassName, s.Surname, s.FirstName};
}

QString PupilStore::path() const { return QStringLiteral("Daten\\") + stem + QStringLiteral(".txt"); }

QString PupilStore::backupPath(const QString& date) const
{
    return BackupFolder + QLatin1Char('\\') + stem + date + QStringLiteral(".txt");
}

StoreReading ReadStore(const PupilStore& store, const StudentList& pupils, SlotRule rule, KeyCheck check,
                       const std::function<void(RecordReader&, int slot)>& readFields)
{
    std::optional<RecordReader> reader = openRecordFile(store.path());
    if (!reader)
        return StoreReading::Missing;
    StoreReading result = StoreReading::Read;
    int previousNumber = 0;
    int records = 0;
    while (!reader->atEnd()) {
        if (records == PupilSlots) {
            reportTooManyRecords(store.path(), PupilSlots);
            break;
        }
        const int slot = rule == SlotRule::ByNumber ? previousNumber : records;
        // A damaged number must not move the records after it to slot 0.
        const StudentKey key = StudentKey::read(*reader, previousNumber + 1);
        readFields(*reader, slot);
        ++records;
        previousNumber = key.Number;
        if (check == KeyCheck::Surname) {
            const int listed = key.Number - 1;
            const QString surname = listed >= 0 && listed < PupilSlots ? pupils.Slots[listed].Surname : QString();
            // The writer stored the list's name without its quotes.
            if (key.Surname != WithoutQuotes(surname))
                result = StoreReading::SurnameMismatch;
        }
    }
    if (reader->damaged())
        reportDamagedFile(store.path());
    return result;
}

QString StoreText(const StudentList& pupils, const StoreFields& writeFields)
{
    RecordWriter w;
    for (int slot = 0; slot < pupils.Count; ++slot) {
        KeyOfSlot(pupils, slot).write(w);
        writeFields(w, slot);
        w.endRecord();
    }
    return w.text();
}

bool WriteStore(const PupilStore& store, const StudentList& pupils, const StoreFields& writeFields)
{
    const WriteResult written = Files::writeText(store.path(), StoreText(pupils, writeFields));
    if (!written)
        reportWriteFailure(store.path(), written);
    return bool(written);
}

bool BackupStore(const PupilStore& store, const QString& date)
{
    const QString copy = store.backupPath(date);
    WriteResult copied = Files::folderExists(BackupFolder) ? WriteResult() : Files::makeFolder(BackupFolder);
    if (copied)
        copied = Files::copy(store.path(), copy);
    if (!copied)
        reportCopyFailure(store.path(), copy, copied);
    return bool(copied);
}

void LockFlagsFromTexts(const PerPupil<QString>& texts, PerPupil<int>& locked, int pupilCount)
{
    for (int slot = 0; slot < pupilCount && slot < PupilSlots; ++slot)
        locked[slot] = texts[slot].isEmpty() ? 0 : 1;
}

} // namespace zt
