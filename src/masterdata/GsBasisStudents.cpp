// The pupil list and the club list of the master-data window.
#include "common/FileMessages.h"
#include "common/QuoteGuards.h"
#include "core/PhotoNames.h"
#include "core/StoreReset.h"
#include "core/StudentSort.h"
#include "GsBasis.h"
#include "platform/Services.h"
#include <algorithm>

namespace zt {

void GsBasis::createStudentControls()
{
    constexpr int labelLeft = 6600;
    constexpr int boxLeft = 8400;
    constexpr int boxWidth = 3240;
    Label3.move(labelLeft, 300, 3000, 320);
    Label3.setFontBold(true);
    Label5.move(labelLeft, 760, 1700, 320);
    Combo1.setToolTip(QStringLiteral("Nummer in der Liste wählen"));
    Combo1.move(boxLeft, 720, 1200, 360);
    Combo1.Click = [this] { Combo1_Click(); };

    Command5.setToolTip(QStringLiteral("Schülerdaten ändern oder eingeben"));
    Command5.move(11880, 720, 3180, 480);
    Command5.Click = [this] { Command5_Click(); };
    const QString listCaptions[3] = {QStringLiteral("Gesamtliste neu anlegen"), QStringLiteral("aktuellen Schüler löschen"),
                                     QStringLiteral("Schüler hinzufügen")};
    for (int i = 0; i < 3; ++i) {
        CommandButton& b = Command4.add(i, Frame1, listCaptions[i]);
        b.move(11880, 720 + i * 600, 3180, 480);
        b.setVisible(false);
    }
    Command4.Click = [this](int i) { Command4_Click(i); };
    Command6.setToolTip(QStringLiteral("Alfabetische Sortierung"));
    Command6.move(11880, 2520, 3180, 480);
    Command6.setVisible(false);
    Command6.Click = [this] { Command6_Click(); };

    const QString pupilCaptions[4] = {QStringLiteral("Nachname:"), QStringLiteral("Vorname:"), QStringLiteral("geboren am:"),
                                      QStringLiteral("in:")};
    for (int i = 1; i <= 4; ++i) {
        const int top = 720 + i * 420;
        Label6.add(i, Frame1, pupilCaptions[i - 1]).move(labelLeft, top + 40, 1700, 320);
        Text2.add(i, Frame1).move(boxLeft, top, boxWidth, 360);
    }
    Text2.LostFocus = [this](int i) { Text2_LostFocus(i); };
    Text2.KeyPress = [this](int i, int& key) { Text2_KeyPress(i, key); };
    Text2.Change = [this](int i) { Text2_Change(i); };

    Label7.move(labelLeft, 3000, 1700, 320);
    const QString genders[2] = {QStringLiteral("männlich"), QStringLiteral("weiblich")};
    for (int i = 0; i < 2; ++i)
        Option1.add(i, Frame1, genders[i]).move(boxLeft + i * 1620, 2960, 1560, 360);
    Option1.Click = [this](int i) { Option1_Click(i); };

    // The label sends the teacher to the club boxes below the list.
    Label9.setCaption(QStringLiteral("Arbeitsgemeinschaft auswählen und durch Doppelklick in die unteren Zeilen "
                                     "einfügen. Die AG kann auch direkt unten hineingeschrieben werden."));
    Label9.move(labelLeft, 3420, 7620, 480);
    List1.move(labelLeft, 3960, 4200, 1620);
    List1.Click = [this] { List1_Click(); };
    const QString clubCaptions[2] = {QStringLiteral("AG-Liste erstellen oder ergänzen"), QStringLiteral("AG-Liste löschen")};
    const QString clubTips[2] = {QStringLiteral("Eine Liste der Arbeitsgemeinschaften erstellen"),
                                 QStringLiteral("AG-Liste insgesamt löschen")};
    for (int i = 0; i < 2; ++i) {
        CommandButton& b = Command2.add(i, Frame1, clubCaptions[i]);
        b.setToolTip(clubTips[i]);
        b.move(10980, 3960 + i * 600, 3240, 480);
    }
    Command2.Click = [this](int i) { Command2_Click(i); };

    for (int i = 0; i < 4; ++i) {
        const int top = 5700 + i * 420;
        Label8.add(i, Frame1, QStringLiteral("AG %1:").arg(i + 1)).move(labelLeft, top + 40, 1700, 320);
        Text3.add(i, Frame1).move(boxLeft, top, boxWidth, 360);
    }
    Text3.LostFocus = [this](int i) { Text3_LostFocus(i); };
    Text3.KeyPress = [this](int i, int& key) { Text3_KeyPress(i, key); };
    Text3.DblClick = [this](int i) { Text3_DblClick(i); };

    // Locked until "bearbeiten" is confirmed; the number box stays usable, so every pupil can be viewed.
    EnableStudentControls(false);
}

void GsBasis::EnableStudentControls(bool on)
{
    for (int i = 1; i <= 4; ++i)
        Text2(i).setEnabled(on);
    for (int i = 0; i < 4; ++i)
        Text3(i).setEnabled(on);
    for (int i = 0; i < 2; ++i) {
        Option1(i).setEnabled(on);
        Command2(i).setEnabled(on);
    }
    List1.setEnabled(on);
}

void GsBasis::LoadStudents()
{
    Students = loadStudents();
    // A list without pupils gets one empty pupil, so that what the teacher types has a place.
    Students.Count = std::max(Students.Count, 1);
    BuildNumberLabels();
    FillNumberBox();
}

void GsBasis::BuildNumberLabels()
{
    for (int k = 1; k <= Students.Count; ++k)
        NumberLabels[k - 1] = k < 10 ? QStringLiteral("0") + QString::number(k) : QString::number(k);
}

void GsBasis::FillNumberBox()
{
    for (int k = 1; k <= Students.Count; ++k)
        Combo1.addItem(NumberLabels[k - 1]);
}

void GsBasis::Combo1_Click()
{
    CurrentStudent = Combo1.listIndex();
    ShowStudent();
}

void GsBasis::ShowStudent()
{
    const StudentRecord& s = Students.Slots.at(CurrentStudent);
    Text2(1).setText(s.Surname);
    Text2(2).setText(s.FirstName);
    Text2(3).setText(s.BirthDate);
    Text2(4).setText(s.BirthPlace);
    if (s.Gender == QLatin1String("m"))
        Option1(0).setValue(true);
    else if (s.Gender == QLatin1String("w"))
        Option1(1).setValue(true);
    Text3(0).setText(s.Club1);
    Text3(1).setText(s.Club2);
    Text3(2).setText(s.Club3);
    Text3(3).setText(s.Club4);
}

void GsBasis::Option1_Click(int Index)
{
    Students.Slots.at(CurrentStudent).Gender = Index == 0 ? QStringLiteral("m") : QStringLiteral("w");
}

void GsBasis::Text2_LostFocus(int)
{
    SavedFlag = 0;
    CollectControls();
}

void GsBasis::Text2_KeyPress(int, int& KeyAscii) { RefuseQuoteKey(KeyAscii); }
void GsBasis::Text2_Change(int Index) { ReplaceQuotesOnChange(Text2(Index)); }

void GsBasis::Text3_LostFocus(int)
{
    SavedFlag = 0;
    CollectControls();
}

void GsBasis::Text3_KeyPress(int, int& KeyAscii) { RefuseQuoteKey(KeyAscii); }

void GsBasis::Text3_DblClick(int Index)
{
    Text3(Index).setText(SelectedClub);
    SavedFlag = 0;
    CollectControls();
}

void GsBasis::List1_Click() { SelectedClub = List1.list(List1.listIndex()); }

QStringList GsBasis::ClubEntries() const
{
    QStringList entries;
    for (int i = 0; i < List1.listCount(); ++i)
        entries << List1.list(i);
    return entries;
}

void GsBasis::Command2_Click(int Index)
{
    if (Index == 1) {
        List1.clear();
        return;
    }
    // The file keeps 25 clubs; one more would be dropped at the next save without a word.
    if (ClubEntries().size() - ClubEntries().count(QString()) >= MaxClubs) {
        MsgBox(QStringLiteral("Die AG-Liste kann höchstens 25 Arbeitsgemeinschaften aufnehmen!"), vbOKOnly);
        return;
    }
    List1.addItem(WithoutQuotes(InputBox(QStringLiteral("Geben Sie bitte den Namen der AG ein!"), QStringLiteral("AG-Eingabe"))));
}

void GsBasis::Command5_Click()
{
    if (!ConfirmStudentEdit())
        return;
    for (int i = 0; i <= 9; ++i)
        Text1(i).setEnabled(true);
    Text1(PathBox).setEnabled(false);
    ResetFlag = 1;

    for (int i = 0; i < 3; ++i)
        Command4(i).setVisible(true);
    Command6.setVisible(true);
    Command5.setVisible(false);
    EnableStudentControls(true);
    EnableSaveButton();
}

bool GsBasis::ConfirmStudentEdit()
{
    return MsgBox(QStringLiteral("Wenn Sie Änderungen an den Schülerdaten vornehmen, werden alle Listen und Eingaben für "
                                 "die Schüler neu angelegt, da es sonst zu Fehlfunktionen des Programmes kommt. Wollen "
                                 "Sie mit dem Programm neu anfangen?"),
                  vbYesNo | vbQuestion)
           == vbYes;
}

void GsBasis::Command4_Click(int Index)
{
    // Checked before the list changes: an operation whose list cannot be written changes nothing.
    // A new list keeps nothing of the old one, read whole or not.
    if (!SchoolDataAllowSaving() || (Index != 0 && !ConfirmDamagedListWrite()))
        return;
    switch (Index) {
    case 0:
        if (!NewStudentList())
            return;
        RecreateStudentStores(Students);
        Text2(1).setFocus();
        break;
    case 1:
        Combo1.clear();
        DeleteCurrentStudent();
        ShowStudent();
        SaveListAndEmptyStores();
        Combo1.setListIndex(0);
        break;
    case 2:
        AddStudent();
        Text2(1).setFocus();
        SaveListAndEmptyStores();
        break;
    default:
        break;
    }
}

bool GsBasis::NewStudentList()
{
    const StudentList previous = Students;
    Students = StudentList{};
    Students.ClassName = previous.ClassName;
    Students.Count = 1;
    // A list that could not be written stays as it was, in the window as on disk.
    if (!WriteMasterFile(StudentsText)) {
        Students = previous;
        return false;
    }
    Combo1.clear();
    LoadStudents();
    Combo1.setListIndex(0);
    return true;
}

void GsBasis::DeleteCurrentStudent()
{
    auto& pupils = Students.Slots;
    std::move(pupils.begin() + CurrentStudent + 1, pupils.begin() + Students.Count, pupils.begin() + CurrentStudent);
    pupils.at(Students.Count - 1) = StudentRecord{};
    // The list keeps at least one (empty) pupil, with the class.
    Students.Count = std::max(Students.Count - 1, 1);
    BuildNumberLabels();
    FillNumberBox();
}

void GsBasis::AddStudent()
{
    if (Students.Count >= MaxPupils) {
        MsgBox(QStringLiteral("Die Zahl der Schüler darf maximal 33 betragen!"), vbOKOnly);
        return;
    }
    // A new pupil starts empty, never with the data of an earlier pupil of that slot.
    Students.Slots.at(Students.Count) = StudentRecord{};
    ++Students.Count;
    BuildNumberLabels();
    Combo1.addItem(NumberLabels[Students.Count - 1]);
    Combo1.setListIndex(Students.Count - 1);
}

// The stores are emptied only once the list they are keyed by lies on disk.
void GsBasis::SaveListAndEmptyStores()
{
    if (SaveAll())
        RecreateStudentStores(Students);
}

bool GsBasis::ConfirmDamagedListWrite()
{
    if (!Students.Damaged)
        return true;
    const int whole = Students.WholeRecords;
    const QString detail =
        whole == 0   ? QStringLiteral("Kein Schüler wurde vollständig gelesen.")
        : whole == 1 ? QStringLiteral("Vollständig gelesen wurde nur Schüler 1, von Schüler 2 an nur, was lesbar war.")
                     : QStringLiteral("Vollständig gelesen wurden nur die Schüler 1 bis %1, von Schüler %2 an nur, "
                                      "was lesbar war.")
                           .arg(whole)
                           .arg(whole + 1);
    if (!ConfirmOverwriteDamagedFile(StudentsFile, detail))
        return false;
    Students.Damaged = false;
    return true;
}

void GsBasis::Command6_Click()
{
    if (WritesAllowed())
        SortStudentList();
}

void GsBasis::SortStudentList()
{
    StudentList sorted = Students;
    SortStudents(sorted);
    if (!saveSortedStudents(sorted))
        return;
    const StudentList previous = Students;
    const QString previousText = MasterRecords(StudentsText).text();
    Students = sorted;
    if (!WriteMasterFile(StudentsText)) {
        Students = previous;
        return;
    }
    Combo1.clear();
    LoadStudents();
    Combo1.setListIndex(0);
    // The stores are keyed by list number: left for the next save, leaving without one would give
    // each pupil the texts of the pupil who had the number before.
    if (MasterRecords(StudentsText).text() != previousText)
        RecreateStudentStores(Students);
}

void GsBasis::BuildPictureNames()
{
    for (int slot = 0; slot < Students.Count; ++slot) {
        const StudentRecord& s = Students.Slots[slot];
        PictureNames[slot] = PictureName(s.Surname, s.FirstName, s.BirthDate);
    }
}

} // namespace zt
