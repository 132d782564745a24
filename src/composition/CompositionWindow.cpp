#include "CompositionWindow.h"
#include "common/ClipboardInsertion.h"
#include "common/QuoteGuards.h"
#include "common/StudentPicture.h"
#include "common/WordLauncher.h"
#include "core/ClubSentence.h"
#include "core/FileProblems.h"
#include "LockSign.h"
#include "platform/Colour.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

namespace zt {

CompositionWindow::CompositionWindow(const QString& name, CompositionDesign design)
    : Form(name), AreaText(design.areas), Locked(design.areas), design_(std::move(design))
{
    Combo1.Click = [this] { Combo1_Click(); };

    for (const QString& caption : {design_.showInsertionCaption, design_.hideInsertionCaption}) {
        CommandButton& b = Command7.add(Command7.upperBound() + 1, *this, caption);
        b.setBackColor(Colours::White);
        b.setEnabled(false);
    }
    Command7.Click = [this](int i) { Command7_Click(i); };

    Command8.setPicture(Pictures::Help());
    Command8.Click = [this] { Command8_Click(); };

    for (auto& locks : Locked)
        locks.fill(0);
}

void CompositionWindow::MakeAreaBoxes(ControlArray<TextBox>& boxes)
{
    for (int area = 0; area < design_.areas; ++area)
        ConnectAreaBox(boxes.add(area, *this, true), area);
}

// Straight to the handlers: the box of an array is still the box of its area.
void CompositionWindow::ConnectAreaBox(TextBox& box, int area)
{
    box.LostFocus = [this, area] { AreaBox_LostFocus(area); };
    box.DblClick = [this, area] { AreaBox_DblClick(area); };
    box.KeyPress = [this, area](int& key) { AreaBox_KeyPress(area, key); };
    box.Change = [this, area] { AreaBox_Change(area); };
}

void CompositionWindow::AddStore(const PupilStore& store, StoreFields fields)
{
    stores_.push_back({store, std::move(fields)});
}

void CompositionWindow::LoadNames()
{
    Pupils = loadStudents();
    PupilCount = Pupils.Count;
    ClassName = Pupils.ClassName;
    for (int slot = 0; slot < PupilCount; ++slot)
        Combo1.addItem(Pupils.Slots[slot].Surname + design_.itemSeparator + Pupils.Slots[slot].FirstName);
    StoresWritable = !Pupils.Damaged;
    if (!StoresWritable)
        MsgBox(QStringLiteral("Die Namensliste %1 ist beschädigt. Damit die gespeicherten Texte aller Kinder "
                              "erhalten bleiben, speichert dieses Fenster nichts, bis die Namensliste wieder in "
                              "Ordnung ist.")
                   .arg(StudentsFile),
               vbExclamation);
}

bool CompositionWindow::LeaveWithoutPupils()
{
    if (PupilCount > 0)
        return false;
    MsgBox(QStringLiteral("Die Namensliste %1 enthält keine Kinder. Ohne sie kann dieses Fenster nicht arbeiten; "
                          "es wird geschlossen.")
               .arg(StudentsFile),
           vbExclamation);
    LeaveWindow();
    return true;
}

std::array<QString, 4> CompositionWindow::ClubNames(int slot) const
{
    const StudentRecord& s = Pupils.Slots[slot];
    return {QuotedClubName(s.Club1), QuotedClubName(s.Club2), QuotedClubName(s.Club3), QuotedClubName(s.Club4)};
}

void CompositionWindow::AddAreaStores(const PupilStore& texts, const PupilStore& locks)
{
    areaTexts_ = texts;
    areaLocks_ = locks;
    AddStore(texts, [this](RecordWriter& w, int slot) {
        for (const auto& text : AreaText)
            w.string(text[slot]);
    });
    AddStore(locks, [this](RecordWriter& w, int slot) {
        for (const auto& locked : Locked)
            w.integer(locked[slot]);
    });
}

void CompositionWindow::ReadAreaStores()
{
    auto inSlots = [](int slot) { return slot >= 0 && slot < PupilSlots; };
    ReadStoreFile(areaTexts_, SlotRule::ByOrder, KeyCheck::None, [&](RecordReader& r, int slot) {
        for (auto& texts : AreaText) {
            const QString text = r.string();
            if (inSlots(slot))
                texts[slot] = text;
        }
    });
    ReadStoreFile(areaLocks_, SlotRule::ByOrder, KeyCheck::None, [&](RecordReader& r, int slot) {
        for (auto& locks : Locked) {
            const int locked = r.integer();
            if (inSlots(slot))
                locks[slot] = locked;
        }
    });
}

void CompositionWindow::ShowAreaTexts()
{
    for (int area = 0; area < design_.areas; ++area)
        AreaBox(area).setText(AreaText[area][CurrentPupil]);
}

void CompositionWindow::BuildPictureNames()
{
    for (int slot = 0; slot < PupilCount; ++slot) {
        const StudentRecord& s = Pupils.Slots[slot];
        PictureNames[slot] = PictureName(s.Surname, s.FirstName, s.BirthDate);
    }
}

void CompositionWindow::ShowStudentPicture()
{
    CurrentPupil = Combo1.listIndex();
    zt::ShowStudentPicture(Picture1, PictureNames[CurrentPupil], design_.pictureExtension);
}

StoreReading CompositionWindow::ReadStoreFile(const PupilStore& store, SlotRule rule, KeyCheck check,
                                              const std::function<void(RecordReader&, int slot)>& readFields)
{
    const StoreReading reading = ReadStore(store, Pupils, rule, check, readFields);
    if (reading != StoreReading::Missing || !StoresWritable)
        return reading;
    for (const StoreFile& file : stores_)
        if (file.store.stem == store.stem)
            WriteStore(file);
    return reading;
}

void CompositionWindow::ConfirmRecreateStores()
{
    if (RecreateAsked || !StoresWritable)
        return;
    RecreateAsked = true;
    const int answer = MsgBox(
        QStringLiteral("Die Namensliste stimmt nicht mit den bisher gespeicherten Daten und Textinhalten überein. "
                       "Sollen alle bisherigen Eintragungen gelöscht und die Dateien an Hand der Namensliste ganz "
                       "neu angelegt werden ?"),
        vbYesNo | vbCritical);
    if (answer == vbYes)
        ResetStores();
}

void CompositionWindow::ResetStores()
{
    for (auto& texts : AreaText)
        texts.fill(QString());
    for (auto& locks : Locked)
        locks.fill(0);
    ClearStoredChoices();
    bool written = true;
    for (const StoreFile& file : stores_)
        written = WriteStore(file) && written;
    // Reading a store that could not be rewritten would only find the old difference again.
    if (written)
        LoadStore();
}

bool CompositionWindow::WriteStore(const StoreFile& file)
{
    const bool written = zt::WriteStore(file.store, Pupils, file.fields);
    StoresUnwritten = StoresUnwritten || !written;
    return written;
}

QString CompositionWindow::StoreTexts() const
{
    QString texts;
    for (const StoreFile& file : stores_)
        texts += StoreText(Pupils, file.fields);
    return texts;
}

void CompositionWindow::RememberSavedStores() { SavedStoreTexts = StoreTexts(); }

bool CompositionWindow::HoldsUnsavedInput() const
{
    return PupilCount > 0 && StoresWritable && (StoresUnwritten || StoreTexts() != SavedStoreTexts);
}

bool CompositionWindow::SaveAll()
{
    if (PupilCount == 0)
        return true;
    if (!StoresWritable)
        return false;
    const OneSave oneSave;
    bool written = true;
    for (const StoreFile& file : stores_) {
        // A copy of a store that could not be written would only repeat the older file.
        if (WriteStore(file))
            BackupStore(file.store, Today());
        else
            written = false;
    }
    if (written) {
        StoresUnwritten = false;
        RememberSavedStores();
    }
    return written;
}

bool CompositionWindow::QueryUnload() { return AskSaveBeforeLeaving(); }

bool CompositionWindow::AskSaveBeforeLeaving()
{
    if (!HoldsUnsavedInput())
        return true;
    const int answer = MsgBox(design_.saveQuestion, design_.saveQuestionStyle);
    if (answer == vbYes)
        return SaveAll();
    return answer != vbCancel;
}

bool CompositionWindow::LeaveWindow()
{
    const bool leave = AskSaveBeforeLeaving();
    WindowRegistry& registry = WindowRegistry::instance();
    if (leave)
        registry.Unload(name());
    registry.Unload(WindowNames::Insertion);
    return leave;
}

void CompositionWindow::OfferInsertion()
{
    Command7(0).setEnabled(true);
    if (!Command7(1).enabled())
        Command7(0).setBackColor(Colours::LightGreen);
    else
        Command7(0).setEnabled(false);
}

void CompositionWindow::EnableSaving(CommandButton& saveButton)
{
    saveButton.setEnabled(StoresWritable);
    saveButton.setBackColor(StoresWritable ? Colours::LightGreen : Colours::White);
}

void CompositionWindow::LayHeading(Label& heading, int headingWidth, Label& classLabel)
{
    heading.move(240, 120, headingWidth, 320);
    classLabel.move(240 + headingWidth + 60, 120, 1800, 320);
    for (Label* label : {&heading, &classLabel})
        label->setFontBold(true);
}

void CompositionWindow::LayCover(PictureBox& cover, const Control& choices, const CommandButton& newEntry)
{
    cover.move(choices.left(), choices.top(), choices.width(), choices.height());
    cover.setBackColor(Colours::Grey);
    const QString line = LockSignLine(newEntry.caption());
    cover.setPicture(LockSign(cover.widget()->size(), line, cover.widget()->font()));
    cover.setToolTip(line);
    cover.setVisible(false);
    cover.widget()->raise();
}

QString CompositionWindow::SubstitutePlaceholders(const QString& WorkText) const
{
    const StudentRecord& pupil = Pupils.Slots[CurrentPupil];
    return zt::SubstitutePlaceholders(WorkText, design_.placeholders,
                                      {pupil.Gender, pupil.FirstName, BaseData.SchoolYear, BaseData.NextSchoolYear,
                                       BaseData.ConferenceDate});
}

// A text typed by hand locks its area at once, and looks so, as after a click into the box: the
// next click on a formulation must not compose it away.
void CompositionWindow::AreaBox_LostFocus(int area)
{
    QString& stored = AreaText[area][CurrentPupil];
    const QString text = AreaBox(area).text();
    const bool edited = stored != text;
    if (edited)
        stored = text;
    if (design_.leavingLocksByText)
        Locked[area][CurrentPupil] = text.isEmpty() ? 0 : 1;
    else if (edited && !text.isEmpty())
        Locked[area][CurrentPupil] = 1;
    else
        return;
    ShowHandEdit();
}

void CompositionWindow::AreaBox_DblClick(int area)
{
    TextBox& box = AreaBox(area);
    InsertClipboardAtCaret(box, GenderEnding::Spaced);
    box.setText(SubstitutePlaceholders(box.text()));
}

void CompositionWindow::AreaBox_KeyPress(int, int& KeyAscii) { RefuseQuoteKey(KeyAscii); }

void CompositionWindow::AreaBox_Change(int area)
{
    if (design_.replacesPastedQuotes)
        ReplaceQuotesOnChange(AreaBox(area));
}

void CompositionWindow::Command7_Click(int Index)
{
    ShowHideInsertionDialog(Index, Command7(0), Command7(1), HideMeans::Hide);
}

void CompositionWindow::Command8_Click() { RunWordCommand(design_.helpCommandLine); }

} // namespace zt
