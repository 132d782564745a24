#pragma once
#include "core/MasterData.h"
#include "core/Placeholders.h"
#include "core/PupilStores.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include <array>
#include <functional>
#include <vector>

namespace zt {

// What the composition windows say and do differently in the steps they share.
struct CompositionDesign {
    int areas = 0;                   // one text box per area
    QString itemSeparator;           // between surname and first name in the pupil list
    QString pictureExtension;        // appended to the photo name
    QString showInsertionCaption;    // Command7(0)
    QString hideInsertionCaption;    // Command7(1)
    QString helpCommandLine;         // started by the help button Command8
    PlaceholderSet placeholders = PlaceholderSet::Full;
    bool replacesPastedQuotes = false;
    // Leaving a box locks its area when it holds text and opens it when empty, edited or not;
    // otherwise leaving only locks a hand edit, and only clearing the entry opens the area.
    bool leavingLocksByText = false;
    // Asked before unsaved input is left; a style with a Cancel button lets the teacher stay.
    QString saveQuestion;
    int saveQuestionStyle = 0;
};

// The frame that every composition window shares: the pupil list and photo, one text box per area
// with its hand edit, double-click insertion and quote guard, the insertion and help buttons, the
// lock of each pupil's areas, the class's store files with their dated copies, and leaving with a
// question where input would be lost.
class CompositionWindow : public Form {
public:
    bool QueryUnload() override;

    ComboBox Combo1{*this, QStringLiteral("Namensliste")};
    PictureBox Picture1{*this};
    ControlArray<CommandButton> Command7;
    CommandButton Command8{*this};

    virtual void Combo1_Click() = 0;
    void Command7_Click(int Index);
    void Command8_Click();

protected:
    CompositionWindow(const QString& name, CompositionDesign design);

    // The text box of an area; the windows hold and name their boxes as their design has them.
    virtual TextBox& AreaBox(int area) = 0;
    // A multi-line box per area, Text1(0) onwards, connected as below.
    void MakeAreaBoxes(ControlArray<TextBox>& boxes);
    // Gives the box the events every area box shares; its click is the window's own.
    void ConnectAreaBox(TextBox& box, int area);
    // The hand edit reaches the area's text when the box is left.
    void AreaBox_LostFocus(int area);
    // The current area is edited by hand: shown as a click into its box shows it, with its lock,
    // the way to clear it and the leave button that ends the input.
    virtual void ShowHandEdit() = 0;
    void AreaBox_DblClick(int area);
    void AreaBox_KeyPress(int area, int& KeyAscii);
    void AreaBox_Change(int area);

    // A store file of the class: every record is the pupil's key, then these fields.
    void AddStore(const PupilStore& store, StoreFields fields);

    // Reads the pupil list into the list box. A damaged list is told once: its keys would carry
    // its gaps and its cut-off class, so no store is written while it lasts.
    void LoadNames();
    void BuildPictureNames();
    // The chosen item becomes the current pupil, whose photo is shown.
    void ShowStudentPicture();

    // Without pupils the window cannot work: says so and leaves. True when it left.
    bool LeaveWithoutPupils();
    // The pupil's clubs as the club sentences name them.
    std::array<QString, 4> ClubNames(int slot) const;

    // The texts of every area and their locks, one store each, record k in slot k whatever its
    // key; the lock store keeps the flags as read.
    void AddAreaStores(const PupilStore& texts, const PupilStore& locks);
    void ReadAreaStores();
    // Every area box shows the current pupil's text.
    void ShowAreaTexts();

    // Reads one of the window's stores; a missing store is made from the list.
    StoreReading ReadStoreFile(const PupilStore& store, SlotRule rule, KeyCheck check,
                               const std::function<void(RecordReader&, int slot)>& readFields);
    virtual void LoadStore() = 0;
    // Asked at most once per load; Yes empties every store of the class and reads it again.
    void ConfirmRecreateStores();
    // What the stores hold beyond the area texts and locks, emptied with them.
    virtual void ClearStoredChoices() {}
    // Writes every store and its copy of the day; true when all are written. Nothing is written
    // without pupils or while the list is damaged.
    virtual bool SaveAll();
    // The stores as read or last saved, against which unsaved input is found.
    void RememberSavedStores();

    // Every way out asks alike, while the stores would be written otherwise than they are: Yes
    // saves, No lets the input go, Cancel stays; a failed save stays, since leaving would lose the
    // input. True when the window may go.
    bool AskSaveBeforeLeaving();
    // The window's own leave button: asks as above, unloads the window when it may go and the
    // insertion dialog in every case. True when the window left.
    bool LeaveWindow();

    // A click into a text box offers the insertion dialog unless it is shown already.
    void OfferInsertion();
    void EnableSaving(CommandButton& saveButton);
    // The heading at the top of the window in bold, the class beside it.
    static void LayHeading(Label& heading, int headingWidth, Label& classLabel);
    // The lock sign laid over the choices while an area is locked; it names the button that opens
    // the area again.
    static void LayCover(PictureBox& cover, const Control& choices, const CommandButton& newEntry);
    QString SubstitutePlaceholders(const QString& WorkText) const;

    StudentList Pupils;
    int PupilCount = 0;
    QString ClassName;
    PerPupil<QString> PictureNames;
    // The school year and the conference date of the full placeholder set.
    BaseDataRecord BaseData;
    std::vector<PerPupil<QString>> AreaText;
    std::vector<PerPupil<int>> Locked;
    int CurrentPupil = 0;
    int CurrentArea = 0;
    bool StoresWritable = true;

private:
    struct StoreFile {
        PupilStore store;
        StoreFields fields;
    };
    void ResetStores();
    bool HoldsUnsavedInput() const;
    bool WriteStore(const StoreFile& file);
    QString StoreTexts() const;

    CompositionDesign design_;
    std::vector<StoreFile> stores_;
    PupilStore areaTexts_;
    PupilStore areaLocks_;
    QString SavedStoreTexts;
    // A store could not be written since the last save of all: the files hold less than the window.
    bool StoresUnwritten = false;
    bool RecreateAsked = false;
};

} // namespace zt
