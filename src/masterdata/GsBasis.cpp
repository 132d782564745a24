#include "GsBasis.h"
#include "common/QuoteGuards.h"
#include "common/WordLauncher.h"
#include "core/ClassData.h"
#include "core/FileProblems.h"
#include "core/StoreReset.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

namespace zt {

namespace {
const QString Hint = QStringLiteral("Hinweis");
const QString SchoolYearKeyMessage = QStringLiteral("Geben Sie die Jahreszahl im Format 2005/2006 von vorn beginnend ein!");
const QString HalfYearKeyMessage = QStringLiteral("Es sind nur die Ziffern 1 und 2 erlaubt!");
const QString ClassKeyMessage = QStringLiteral("Am Anfang dürfen nur die Ziffern 1, 2, 3 oder 4 stehen!");
} // namespace

GsBasis::GsBasis() : Form(WindowNames::MasterData)
{
    setCaption(QStringLiteral("GsBasis"));
    resize(15480, 8040);
    Frame1.move(120, 60, 15240, 7860);
    createSchoolControls();
    createStudentControls();
}

void GsBasis::createSchoolControls()
{
    Label2.move(240, 300, 3000, 320);
    Label2.setFontBold(true);
    const QString captions[SchoolBoxes] = {
        QStringLiteral("Name:"),     QStringLiteral("Zusatz:"),  QStringLiteral("Anschrift:"),
        QStringLiteral("Schuljahr:"), QStringLiteral("Halbjahr:"), QStringLiteral("Klasse:"),
        QStringLiteral("Sibank-Pfad:"), QStringLiteral("Zeugnisausgabe-Datum:"), QStringLiteral("Zeugniskonferenz-Datum:"),
        QStringLiteral("Zeugnisausgabe-Ort:"), QStringLiteral("Klassenleitung:")};
    for (int i = 0; i < SchoolBoxes; ++i) {
        const int top = 720 + i * 420;
        Label1.add(i, Frame1, captions[i]).move(240, top + 40, 2400, 320);
        TextBox& box = Text1.add(i, Frame1);
        box.move(2700, top, 3600, 360);
        box.setEnabled(i == PathBox);
    }
    Text1.Click = [this](int i) { Text1_Click(i); };
    Text1.LostFocus = [this](int i) { Text1_LostFocus(i); };
    Text1.KeyPress = [this](int i, int& key) { Text1_KeyPress(i, key); };
    Text1.Change = [this](int i) { Text1_Change(i); };

    Command3.setToolTip(QStringLiteral("Die Grunddaten für die Zeugniserstellung"));
    Command3.move(2700, 5400, 3600, 480);
    Command3.Click = [this] { Command3_Click(); };
    Label4.move(240, 6060, 2400, 480);
    const QString pathCaptions[2] = {QStringLiteral("SibankPlus"), QStringLiteral("Sibwin")};
    for (int i = 0; i < 2; ++i) {
        CommandButton& b = Command7.add(i, Frame1, pathCaptions[i]);
        b.setToolTip(QStringLiteral("Klicken für Eintragung"));
        b.move(2700 + i * 1860, 6000, 1740, 420);
    }
    Command7.Click = [this](int i) { Command7_Click(i); };

    const QString saveCaptions[2] = {QStringLiteral("Basisdaten speichern"), QStringLiteral("Ende")};
    const QString saveTips[2] = {QStringLiteral("Alle Basisdaten abspeichern"), QStringLiteral("Das Programm insgesamt beenden")};
    for (int i = 0; i < 2; ++i) {
        CommandButton& b = Command1.add(i, Frame1, saveCaptions[i]);
        b.setToolTip(saveTips[i]);
        b.move(240 + i * 2760, 6960, 2640, 540);
    }
    Command1(0).setEnabled(false);
    Command1.Click = [this](int i) { Command1_Click(i); };
    Command8.setPicture(Pictures::Help());
    Command8.move(5760, 6960, 540, 540);
    Command8.Click = [this] { Command8_Click(); };
}

void GsBasis::Form_Load()
{
    ColourTable = {0xC0FFC0, 0xC0E0FF, 0xFFFF, 0xFFFFC0, 0xC0FFFF, 0x80FF80, 0xC0C0C0, 0xFF, 0xFFFFFF};
    if (std::optional<BaseDataRecord> record = loadBaseData())
        BaseData = *record;
    ExportPath = loadSibankPath().ExportPath;
    for (const QString& club : loadClubList())
        List1.addItem(club);
    DefaultPaths = loadSibankDefaults();
    LoadStudents();
    ShowSchoolData();
    SavedFlag = 1;
    ResetFlag = 0;
    for (int f = 0; f < MasterFiles; ++f)
        SavedTexts[f] = MasterRecords(MasterFile(f)).text();
}

// The school-data fields in the order of their boxes Text1(0) to Text1(10).
std::array<QString*, GsBasis::SchoolBoxes> GsBasis::SchoolFields()
{
    return {&BaseData.SchoolName, &BaseData.SchoolNameAddition, &BaseData.Address, &BaseData.SchoolYear,
            &BaseData.HalfYear,   &Students.ClassName,          &ExportPath,       &BaseData.IssueDate,
            &BaseData.ConferenceDate, &BaseData.IssuePlace,     &BaseData.ClassTeacher};
}

QString GsBasis::KeyRefusal(int Index, const QString& text, int key)
{
    const auto startsWithOneOf = [](const QString& t, QStringView allowed) {
        return !t.isEmpty() && allowed.contains(t.front());
    };
    const QString typed = key > 0 ? QString(QChar(key)) : QString();
    switch (Index) {
    case SchoolYearBox:
        return startsWithOneOf(text, u"2") || typed == u"2" ? QString() : SchoolYearKeyMessage;
    case HalfYearBox:
        return typed == u"1" || typed == u"2" ? QString() : HalfYearKeyMessage;
    case ClassBox:
        return startsWithOneOf(text, u"1234") || startsWithOneOf(typed, u"1234") ? QString() : ClassKeyMessage;
    default:
        return QString();
    }
}

void GsBasis::ShowSchoolData()
{
    const std::array<QString*, SchoolBoxes> fields = SchoolFields();
    for (int i = 0; i < SchoolBoxes; ++i)
        Text1(i).setText(*fields[i]);
    Combo1.setListIndex(0);
}

void GsBasis::CollectControls()
{
    const std::array<QString*, SchoolBoxes> fields = SchoolFields();
    for (int i = 0; i < SchoolBoxes; ++i)
        *fields[i] = Text1(i).text();
    if (CurrentStudent < 0 || CurrentStudent >= PupilSlots)
        return;
    StudentRecord& s = Students.Slots[CurrentStudent];
    s.Surname = Text2(1).text();
    s.FirstName = Text2(2).text();
    s.BirthDate = Text2(3).text();
    s.BirthPlace = Text2(4).text();
    if (Option1(0).value())
        s.Gender = QStringLiteral("m");
    else if (Option1(1).value())
        s.Gender = QStringLiteral("w");
    s.Club1 = Text3(0).text();
    s.Club2 = Text3(1).text();
    s.Club3 = Text3(2).text();
    s.Club4 = Text3(3).text();
}

void GsBasis::Text1_Click(int Index)
{
    if (Index == PathBox)
        WarnSibankPathChange();
    CollectControls();
}

void GsBasis::WarnSibankPathChange()
{
    MsgBox(QStringLiteral("Sie wollen den Pfad zur Sibank-Datei ändern. Geben Sie den richtigen Pfad ein und "
                          "speichern Sie anschließend Ihre Änderung!"),
           vbOKOnly | vbCritical);
    EnableSaveButton();
}

void GsBasis::EnableSaveButton()
{
    Command1(0).setEnabled(true);
    Command1(0).setBackColor(ColourTable[7]);
}

void GsBasis::Text1_LostFocus(int)
{
    SavedFlag = 0;
    CollectControls();
}

void GsBasis::Text1_KeyPress(int Index, int& KeyAscii)
{
    const QString refusal = KeyRefusal(Index, Text1(Index).text(), KeyAscii);
    if (!refusal.isEmpty()) {
        KeyAscii = 0;
        MsgBox(refusal, vbOKOnly);
        return;
    }
    RefuseQuoteKey(KeyAscii);
}

void GsBasis::Text1_Change(int Index) { ReplaceQuotesOnChange(Text1(Index)); }

void GsBasis::Command3_Click() { UnlockSchoolData(); }

void GsBasis::UnlockSchoolData()
{
    const int answer = MsgBox(
        QStringLiteral("Wenn Sie Änderungen an den Schuldaten vornehmen, werden bei der Speicherung alle "
                       "Zeugnisinhalte der einzelnen Schüler gelöscht, da es sonst zu Fehlfunktionen des Programmes "
                       "kommt. Wollen Sie mit den Zeugniseingaben neu anfangen?"),
        vbYesNo | vbQuestion);
    if (answer != vbYes)
        return;
    for (int i = 0; i < SchoolBoxes; ++i)
        Text1(i).setEnabled(true);
    Text1(PathBox).setEnabled(false);
    EnableSaveButton();
    Command3.setEnabled(false);
    ResetFlag = 1;
    // Unlocked all the same, so that the teacher can correct the value; the save empties the stores.
    if (WritesAllowed())
        RecreateStudentStores(Students);
}

void GsBasis::Command1_Click(int Index)
{
    if (Index == 0)
        SaveBasisdaten();
    else
        LeaveProgram();
}

void GsBasis::SaveBasisdaten()
{
    const QString halfYear = HalfYearForGrade(BaseData.HalfYear, GradeOfClass(Students.ClassName));
    if (halfYear != BaseData.HalfYear) {
        Text1(HalfYearBox).setText(halfYear);
        MsgBox(QStringLiteral("Für das 1. Schuljahr können keine Zeugnisse für das 1. Halbjahr erstellt werden !!!"),
               vbOKOnly | vbExclamation, Hint);
        BaseData.HalfYear = halfYear;
    }
    // Checked before the stores are emptied: a save that cannot be done must not cost the texts.
    if (!WritesAllowed())
        return;
    const OneSave oneSave;
    if (ResetFlag == 1)
        RecreateStudentStores(Students);
    if (!SaveAll())
        return;
    SavedFlag = 1;
    RunZeugnislisteNeu();
    ClearBackupFolder();
}

// A pasted text, or a text typed over a whole selection, passes the key rules.
bool GsBasis::SchoolDataAllowSaving()
{
    const std::optional<QString> problem = classValueProblem(BaseData.SchoolYear, BaseData.HalfYear, Students.ClassName);
    if (!problem)
        return true;
    MsgBox(*problem + QStringLiteral(" Bis dahin wird nichts gespeichert."), vbOKOnly | vbExclamation, Hint);
    return false;
}

bool GsBasis::WritesAllowed() { return SchoolDataAllowSaving() && ConfirmDamagedListWrite(); }

bool GsBasis::SaveAll()
{
    if (!WritesAllowed())
        return false;
    BaseData.NextSchoolYear = *NextSchoolYear(BaseData.SchoolYear);
    const OneSave oneSave;
    bool all = true;
    for (MasterFile file : {BaseDataText, ExportPathText, StudentsText, ClubsText}) {
        const bool written = WriteMasterFile(file);
        all = all && written;
    }
    BuildPictureNames();
    RecordWriter pictures;
    writePictureList(pictures, Students, PictureNames);
    return saveMasterFile(PictureListFile, pictures) && all;
}

RecordWriter GsBasis::MasterRecords(MasterFile file) const
{
    RecordWriter w;
    switch (file) {
    case BaseDataText:
        BaseData.write(w);
        break;
    case ExportPathText:
        SibankPathRecord{ExportPath}.write(w);
        break;
    case StudentsText:
        writeStudents(w, Students);
        break;
    case ClubsText:
        writeClubList(w, ClubEntries());
        break;
    case MasterFiles:
        break;
    }
    return w;
}

QString GsBasis::MasterFilePath(MasterFile file) const
{
    const QString paths[MasterFiles] = {BaseDataFile, SibankPathFile, StudentsFile, ClubListFile};
    return paths[file];
}

bool GsBasis::WriteMasterFile(MasterFile file)
{
    const RecordWriter records = MasterRecords(file);
    if (!saveMasterFile(MasterFilePath(file), records))
        return false;
    SavedTexts[file] = records.text();
    return true;
}

bool GsBasis::HoldsUnsavedInput() const
{
    for (int f = 0; f < MasterFiles; ++f)
        if (MasterRecords(MasterFile(f)).text() != SavedTexts[f])
            return true;
    return false;
}

void GsBasis::RunZeugnislisteNeu() { RunWordCommand(QStringLiteral("Winword.exe ZeugnislisteNeu.doc /mZeugnislisteNeu")); }

void GsBasis::LeaveByOwnButton() { Command1_Click(1); }

void GsBasis::LeaveProgram()
{
    // The flag misses a club added or a gender chosen; what differs from the files is asked about too.
    if ((SavedFlag == 0 || HoldsUnsavedInput()) && !AskSaveOnClose())
        return;
    LeaveAnswered = true;
    if (!WindowRegistry::instance().EndProgram())
        LeaveAnswered = false;
}

bool GsBasis::QueryUnload() { return LeaveAnswered || !HoldsUnsavedInput() || AskSaveOnClose(); }

bool GsBasis::AskSaveOnClose()
{
    const int answer = MsgBox(
        QStringLiteral("Sie haben Änderungen eventuell noch nicht gespeichert, wollen Sie das jetzt noch tun?"),
        vbYesNo | vbQuestion);
    // A save that failed keeps the window, since leaving would lose the input.
    return answer != vbYes || SaveAll();
}

void GsBasis::Command7_Click(int Index)
{
    const QString path = Index == 0 ? DefaultPaths.SibankPlusPath : DefaultPaths.SibwinPath;
    // Without a default the teacher's own path would be overwritten by nothing.
    if (path.isEmpty()) {
        MsgBox(QStringLiteral("Die Datei %1 enthält keinen Standardpfad für %2. Der bisherige Pfad bleibt erhalten.")
                   .arg(SibankDefaultsFile, Command7(Index).caption()),
               vbOKOnly | vbExclamation, Hint);
        return;
    }
    if (!WritesAllowed())
        return;
    ExportPath = path;
    Text1(PathBox).setText(ExportPath);
    WriteMasterFile(ExportPathText);
}

void GsBasis::Command8_Click() { RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe9.doc")); }

} // namespace zt
