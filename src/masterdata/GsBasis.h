#pragma once
#include "core/MasterData.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include <array>

namespace zt {

// The master data of the class: the school record, the pupil list, the club list and the path of
// the administration export. Every change of the school data or the pupil list empties the
// per-pupil stores, since their records are keyed by list number and names.
class GsBasis : public Form {
public:
    GsBasis();

    void Form_Load() override;
    // "Ende" ends the whole program.
    void LeaveByOwnButton() override;
    bool QueryUnload() override;

    Frame Frame1{*this, QStringLiteral("Basisdaten")};
    Label Label2{Frame1, QStringLiteral("Schuldaten")};
    Label Label3{Frame1, QStringLiteral("Schülerdaten")};
    ControlArray<Label> Label1;
    ControlArray<TextBox> Text1;
    ControlArray<CommandButton> Command1;
    CommandButton Command3{Frame1, QStringLiteral("Schuldaten ändern")};
    Label Label4{Frame1, QStringLiteral("Standardpfad eintragen für")};
    ControlArray<CommandButton> Command7;
    CommandButton Command8{Frame1};

    Label Label5{Frame1, QStringLiteral("Nummer:")};
    ComboBox Combo1{Frame1};
    CommandButton Command5{Frame1, QStringLiteral("bearbeiten")};
    ControlArray<CommandButton> Command4;
    CommandButton Command6{Frame1, QStringLiteral("Schüler alphabetisch sortieren")};
    ControlArray<Label> Label6;
    ControlArray<TextBox> Text2;
    Label Label7{Frame1, QStringLiteral("Geschlecht:")};
    ControlArray<OptionButton> Option1;
    ControlArray<Label> Label8;
    ControlArray<TextBox> Text3;
    Label Label9{Frame1};
    ListBox List1{Frame1};
    ControlArray<CommandButton> Command2;

    void Text1_Click(int Index);
    void Text1_LostFocus(int Index);
    void Text1_KeyPress(int Index, int& KeyAscii);
    void Text1_Change(int Index);
    void Command1_Click(int Index);
    void Command3_Click();
    void Command7_Click(int Index);
    void Command8_Click();

    void Combo1_Click();
    void Option1_Click(int Index);
    void Text2_LostFocus(int Index);
    void Text2_KeyPress(int Index, int& KeyAscii);
    void Text2_Change(int Index);
    void Text3_LostFocus(int Index);
    void Text3_KeyPress(int Index, int& KeyAscii);
    void Text3_DblClick(int Index);
    void List1_Click();
    void Command2_Click(int Index);
    void Command4_Click(int Index);
    void Command5_Click();
    void Command6_Click();

private:
    static constexpr int SchoolYearBox = 3;
    static constexpr int HalfYearBox = 4;
    static constexpr int ClassBox = 5;
    static constexpr int PathBox = 6;
    static constexpr int SchoolBoxes = 11;

    // The files whose content the teacher enters here, as the save writes them.
    enum MasterFile { BaseDataText, ExportPathText, StudentsText, ClubsText, MasterFiles };

    void createSchoolControls();
    std::array<QString*, SchoolBoxes> SchoolFields();
    // The message that refuses a typed key, or nothing when the key goes on to the quote guard.
    static QString KeyRefusal(int Index, const QString& text, int key);
    void createStudentControls();
    // The pupil boxes, the gender and the club controls.
    void EnableStudentControls(bool on);
    void ShowSchoolData();
    void CollectControls();
    void WarnSibankPathChange();
    void UnlockSchoolData();
    void SaveBasisdaten();
    // Before every write: the school year, half-year and class must be values every window can use.
    bool SchoolDataAllowSaving();
    // Both checks of a write: usable values, and the teacher's consent to write over a damaged list.
    bool WritesAllowed();
    bool SaveAll();
    void RunZeugnislisteNeu();
    void LeaveProgram();
    bool AskSaveOnClose();
    void EnableSaveButton();

    void LoadStudents();
    void BuildNumberLabels();
    void FillNumberBox();
    void ShowStudent();
    bool ConfirmStudentEdit();
    bool NewStudentList();
    void DeleteCurrentStudent();
    void AddStudent();
    void SortStudentList();
    void BuildPictureNames();
    void SaveListAndEmptyStores();
    // A list read damaged is written over only with the teacher's consent, asked once.
    bool ConfirmDamagedListWrite();

    RecordWriter MasterRecords(MasterFile file) const;
    QString MasterFilePath(MasterFile file) const;
    // Writes one file from the window's state and remembers it as saved.
    bool WriteMasterFile(MasterFile file);
    // Input that differs from what was read or last written: leaving must not drop it silently.
    bool HoldsUnsavedInput() const;
    QStringList ClubEntries() const;

    BaseDataRecord BaseData;
    // Slots beyond the count hold no pupil.
    StudentList Students;
    QString ExportPath;
    SibankDefaultsRecord DefaultPaths;
    std::array<QString, PupilSlots> PictureNames;
    std::array<QString, PupilSlots> NumberLabels;
    int CurrentStudent = 0;
    qint16 SavedFlag = 0;
    qint16 ResetFlag = 0;
    QString SelectedClub;
    std::array<Colour, 9> ColourTable{};
    std::array<QString, MasterFiles> SavedTexts;
    // Set once "Ende" has asked its own question, so that ending the program does not ask again.
    bool LeaveAnswered = false;
};

} // namespace zt
