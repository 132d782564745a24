#include "GsArbeitsverhalten.h"
#include "core/BehaviourComposition.h"
#include "core/Trim.h"
#include "platform/Colour.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"

namespace zt {

namespace {
constexpr int MaxCategoryButtons = AvCategories;
constexpr int OptionCount = BlockLines;

// Top of the category column and of the option frame; both end at the same height.
constexpr int AreaTop = 2040;
constexpr int AreaHeight = 3560;

// The leave button once the teacher has entered something.
const QString EndInputCaption = QStringLiteral("Alle Eingaben beenden");

CompositionDesign design()
{
    CompositionDesign d;
    d.areas = 2;
    d.itemSeparator = QStringLiteral("  ");
    d.pictureExtension = QStringLiteral(".JPG");
    d.showInsertionCaption = QStringLiteral("Einfügung zeigen");
    d.hideInsertionCaption = QStringLiteral("Einfügung verbergen");
    d.helpCommandLine = QStringLiteral("Winword.exe Texte\\Hilfe2.doc");
    d.placeholders = PlaceholderSet::Reduced;
    d.replacesPastedQuotes = true;
    d.saveQuestion = QStringLiteral("Sollen alle bisherigen Eintragungen gespeichert werden ?");
    d.saveQuestionStyle = vbYesNoCancel | vbQuestion;
    return d;
}

void trimLines(BehaviourArea& blocks)
{
    for (auto& column : blocks.lines)
        for (QString& line : column)
            line = Trim(line);
}
} // namespace

GsArbeitsverhalten::GsArbeitsverhalten() : CompositionWindow(WindowNames::Behaviour, design())
{
    setCaption(QStringLiteral("Arbeits- und Sozialverhalten"));
    resize(12600, 9000);
    createControls();
    AddStore(AvSvTextStore,
             [this](RecordWriter& w, int slot) { w.string(AreaText[Av][slot]).string(AreaText[Sv][slot]); });
    AddStore(AvSvChoiceStore, [this](RecordWriter& w, int slot) { WriteChoiceFields(w, slot); });
}

void GsArbeitsverhalten::createControls()
{
    LayHeading(Label1, 6900, Label2);
    Label3.move(3000, 2880, 6600, 540);
    Combo1.move(3000, 3500, 2600, 360);
    Picture1.move(10920, 120, 1440, 1800);

    Command1.move(240, 600, 2400, 480);
    Command1.Click = [this] { Command1_Click(); };
    Command2.move(2760, 600, 2400, 480);
    Command2.Click = [this] { Command2_Click(); };

    for (int k = 0; k < MaxCategoryButtons; ++k)
        Command3.add(k, *this);
    Command3.Click = [this](int i) { Command3_Click(i); };

    Frame1.move(2880, AreaTop, 9480, AreaHeight);
    for (int i = 0; i < OptionCount; ++i)
        Option1.add(i, Frame1).move(180, 300 + i * 320, 9120, 300);
    Option1.Click = [this](int i) { Option1_Click(i); };
    LayCover(Picture4, Frame1, Command6);

    MakeAreaBoxes(Text1);
    Text1.Click = [this](int i) { Text1_Click(i); };
    Text1(Av).move(240, 5760, 6000, 2280);
    Text1(Sv).move(6360, 5760, 6000, 2280);

    Command4.move(240, 8280, 2400, 480);
    Command4.Click = [this] { Command4_Click(); };
    Command6.move(2760, 8280, 2400, 480);
    Command6.Click = [this] { Command6_Click(); };
    for (int i = 0; i < 2; ++i)
        Command7(i).move(5280 + i * 2120, 8280, 2000, 480);
    Command8.move(9520, 8280, 480, 480);
    Command5.setToolTip(QStringLiteral("Zurück zum Startmenü"));
    Command5.move(10120, 8280, 2240, 480);
    Command5.Click = [this] { Command5_Click(); };
}

void GsArbeitsverhalten::Form_Load()
{
    CurrentArea = 0;

    for (int k = 0; k < MaxCategoryButtons; ++k)
        Command3(k).setVisible(false);
    for (Control* c : {&Command1, &Command2, &Command4, &Command6})
        c->setEnabled(false);
    Frame1.setVisible(false);
    for (int i = 0; i < 2; ++i) {
        Text1(i).setVisible(false);
        Text1(i).setEnabled(false);
    }
    Combo1.setLeft(3000);
    Combo1.setTop(3500);

    ColourTable = {0xFFFFFF, 0x80FF80, 0xC0FFC0, 0xC0E0FF, 0xC0C0FF, 0xC0C0C0,
                   0xFFFF,   0xFF,     0xC0FFFF, 0xFFFFC0, 0xC0FFFF};
    Command6.setBackColor(ColourTable[0]);

    LoadNames();
    Label2.setCaption(ClassName);
    LoadAvBlocks();
    LoadSvBlocks();
    LoadStore();
    BuildPictureNames();
    RememberSavedStores();

    Command5.setBackColor(ColourTable[4]);
}

void GsArbeitsverhalten::LeaveByOwnButton() { Command5_Click(); }

void GsArbeitsverhalten::LoadAvBlocks()
{
    readLineFile(AvLineFile, AvBlocks);
    trimLines(AvBlocks);
    readCategoryFile(AvCategoryFile, AvBlocks);
}

void GsArbeitsverhalten::LoadSvBlocks()
{
    readLineFile(SvLineFile, SvBlocks);
    trimLines(SvBlocks);
    readCategoryFile(SvCategoryFile, SvBlocks);
}

void GsArbeitsverhalten::LoadStore()
{
    // Without a pupil list every stored record would look foreign; the stores are left alone.
    if (PupilCount == 0)
        return;
    auto inSlots = [](int slot) { return slot >= 0 && slot < PupilSlots; };

    const StoreReading texts = ReadStoreFile(AvSvTextStore, SlotRule::ByNumber, KeyCheck::Surname, [&](RecordReader& r, int slot) {
        QString av = r.string();
        QString sv = r.string();
        if (!inSlots(slot))
            return;
        AreaText[Av][slot] = av;
        AreaText[Sv][slot] = sv;
    });
    if (texts == StoreReading::SurnameMismatch && StoresWritable) {
        ConfirmRecreateStores();
        return;
    }

    const StoreReading choices = ReadStoreFile(AvSvChoiceStore, SlotRule::ByNumber, KeyCheck::Surname, [&](RecordReader& r, int slot) {
        const int avLocked = r.integer();
        const int svLocked = r.integer();
        std::array<int, AvCategories> av{};
        for (int& c : av)
            c = r.integer();
        std::array<int, SvCategories> sv{};
        for (int& c : sv)
            c = r.integer();
        if (!inSlots(slot))
            return;
        Locked[Av][slot] = avLocked;
        Locked[Sv][slot] = svLocked;
        AvChoices[slot] = av;
        SvChoices[slot] = sv;
    });
    if (choices == StoreReading::SurnameMismatch)
        ConfirmRecreateStores();
}

void GsArbeitsverhalten::ClearStoredChoices()
{
    AvChoices.fill({});
    SvChoices.fill({});
}

void GsArbeitsverhalten::WriteChoiceFields(RecordWriter& w, int slot) const
{
    w.integer(Locked[Av][slot]).integer(Locked[Sv][slot]);
    for (int c : AvChoices[slot])
        w.integer(c);
    for (int c : SvChoices[slot])
        w.integer(c);
}

void GsArbeitsverhalten::Combo1_Click()
{
    Command1.setEnabled(true);
    Command2.setEnabled(true);
    Command6.setEnabled(false);
    Command6.setBackColor(ColourTable[0]);
    if (CurrentArea == 0)
        Label3.setCaption(QStringLiteral("Wählen Sie mit den oberen Tasten den Bereich aus, den Sie bearbeiten möchten!"));
    ShowStudentPicture();
    ResetAvChoices();
    ResetSvChoices();
    ClearOptionValue();
    UpdateTextPresentFlags();
    if (CurrentArea == 1)
        Command1_Click();
    else if (CurrentArea == 2)
        Command2_Click();
    SaveAll();
    Text1(Av).setText(AreaText[Av][CurrentPupil]);
    Text1(Sv).setText(AreaText[Sv][CurrentPupil]);
}

void GsArbeitsverhalten::ResetAvChoices()
{
    AvChoices[CurrentPupil].fill(0);
    AvParts.fill(QString());
    Text1(Av).setText(QString());
}

void GsArbeitsverhalten::ResetSvChoices()
{
    SvChoices[CurrentPupil].fill(0);
    SvParts.fill(QString());
    Text1(Sv).setText(QString());
}

void GsArbeitsverhalten::ClearOptionValue() { Option1(CurrentOption).setValue(false); }

void GsArbeitsverhalten::UpdateTextPresentFlags()
{
    LockFlagsFromTexts(AreaText[Av], Locked[Av], PupilCount);
    LockFlagsFromTexts(AreaText[Sv], Locked[Sv], PupilCount);
}

void GsArbeitsverhalten::Command1_Click() { OpenArea(1); }

void GsArbeitsverhalten::Command2_Click() { OpenArea(2); }

void GsArbeitsverhalten::OpenArea(int area)
{
    CurrentCategory = 0;
    ClearOptionValue();
    CurrentArea = area;
    const bool av = area == 1;

    Frame1.setBackColor(ColourTable[av ? 8 : 9]);
    Frame1.setVisible(true);
    Text1(Av).setVisible(true);
    Text1(Sv).setVisible(true);
    CommandButton& shown = av ? Command1 : Command2;
    CommandButton& other = av ? Command2 : Command1;
    other.setBackColor(ColourTable[5]);
    shown.setBackColor(Frame1.backColor());
    Label3.setVisible(false);

    const BehaviourArea& blocks = currentBlocks();
    for (int k = 0; k < MaxCategoryButtons; ++k) {
        const bool used = k < blocks.categories;
        if (used)
            Command3(k).setCaption(blocks.names[k]);
        Command3(k).setVisible(used);
    }
    Text1(Av).setEnabled(av);
    Text1(Sv).setEnabled(!av);

    Combo1.setLeft(8200);
    Combo1.setTop(516);
    LayOutCategoryButtons(blocks.categories);

    ShowOptions();
    ColourOptions();
    ResetCategoryButtons();

    // Categories 2 onwards first, so that category 1 ends up shown.
    for (int k = 1; k < blocks.categories; ++k) {
        Command3_Click(k);
        ColourCategoryButtons();
    }
    Command3_Click(0);
    ColourCategoryButtons();

    ShowAreaOrLock();
    EnableSaving(Command4);

    if (currentAreaLocked())
        Text1(av ? Av : Sv).setFocus();
    else
        Command3(0).setFocus();
}

void GsArbeitsverhalten::LayOutCategoryButtons(int categories)
{
    // The buttons share the height of the option frame beside them.
    const int step = AreaHeight / categories;
    for (int k = 0; k < categories; ++k)
        Command3(k).move(240, AreaTop + k * step, 2520, step - 40);
}

const BehaviourArea& GsArbeitsverhalten::currentBlocks() const { return CurrentArea == 2 ? SvBlocks : AvBlocks; }

int GsArbeitsverhalten::currentChoice() const
{
    return CurrentArea == 2 ? SvChoices[CurrentPupil][CurrentCategory] : AvChoices[CurrentPupil][CurrentCategory];
}

bool GsArbeitsverhalten::currentAreaLocked() const
{
    return Locked[CurrentArea == 2 ? Sv : Av][CurrentPupil] == 1;
}

void GsArbeitsverhalten::Command3_Click(int Index)
{
    CurrentCategory = Index;
    ClearOptionValue();
    ShowOptions();
    ColourOptions();
    MarkCategoryButton();
    ColourCategoryButtons();
}

void GsArbeitsverhalten::ShowOptions()
{
    const BehaviourArea& blocks = currentBlocks();
    Frame1.setCaption(blocks.names[CurrentCategory]);
    for (int i = 0; i < OptionCount; ++i)
        Option1(i).setCaption(blocks.line(CurrentCategory + 1, i));
}

void GsArbeitsverhalten::ColourOptions()
{
    const BehaviourArea& blocks = currentBlocks();
    for (int i = 1; i < OptionCount; ++i) {
        const int mark = blocks.mark(CurrentCategory + 1, i);
        Option1(i).setBackColor(ColourTable[mark >= 0 && mark <= 4 ? mark : 0]);
    }
}

void GsArbeitsverhalten::ResetCategoryButtons()
{
    for (int k = 0; k < MaxCategoryButtons; ++k)
        Command3(k).setBackColor(ColourTable[5]);
}

void GsArbeitsverhalten::MarkCategoryButton()
{
    for (int k = 0; k < MaxCategoryButtons; ++k)
        if (Command3(k).backColor() == ColourTable[6])
            Command3(k).setBackColor(ColourTable[5]);
}

void GsArbeitsverhalten::ColourCategoryButtons()
{
    const int choice = currentChoice();
    Command3(CurrentCategory).setBackColor(choice == 0 ? ColourTable[6] : Option1(choice).backColor());
}

void GsArbeitsverhalten::Option1_Click(int Index)
{
    CurrentOption = Index;
    RecordChoice();
    if (CurrentArea == 1) {
        ComposeAvText();
        ApplyAvPlaceholders();
    } else {
        ComposeSvText();
        ApplySvPlaceholders();
    }
    ColourCategoryButtons();
    Command5.setCaption(EndInputCaption);
}

void GsArbeitsverhalten::RecordChoice()
{
    if (!Option1(CurrentOption).value())
        return;
    if (CurrentArea == 1)
        AvChoices[CurrentPupil][CurrentCategory] = CurrentOption;
    else
        SvChoices[CurrentPupil][CurrentCategory] = CurrentOption;
}

void GsArbeitsverhalten::ComposeAvText()
{
    const StudentRecord& pupil = Pupils.Slots[CurrentPupil];
    AvParts[CurrentCategory] =
        PartForLine(CurrentCategory, CurrentOption, AvBlocks.line(CurrentCategory + 1, CurrentOption), pupil.FirstName);
    AreaText[Av][CurrentPupil] = zt::ComposeAvText(AvParts, AvChoices[CurrentPupil], pupil.FirstName, pupil.Gender);
}

void GsArbeitsverhalten::ComposeSvText()
{
    const StudentRecord& pupil = Pupils.Slots[CurrentPupil];
    SvParts[CurrentCategory] =
        PartForLine(CurrentCategory, CurrentOption, SvBlocks.line(CurrentCategory + 1, CurrentOption), pupil.FirstName);
    AreaText[Sv][CurrentPupil] = zt::ComposeSvText(SvParts, SvChoices[CurrentPupil], pupil.FirstName, pupil.Gender);
}

void GsArbeitsverhalten::ApplyAvPlaceholders()
{
    AreaText[Av][CurrentPupil] = SubstitutePlaceholders(AreaText[Av][CurrentPupil]);
    Text1(Av).setText(AreaText[Av][CurrentPupil]);
}

void GsArbeitsverhalten::ApplySvPlaceholders()
{
    AreaText[Sv][CurrentPupil] = SubstitutePlaceholders(AreaText[Sv][CurrentPupil]);
    Text1(Sv).setText(AreaText[Sv][CurrentPupil]);
}

void GsArbeitsverhalten::ShowAreaOrLock()
{
    if (CurrentArea == 0)
        return;
    const bool locked = currentAreaLocked();
    Picture4.setVisible(locked);
    Frame1.setEnabled(!locked);
    if (locked) {
        Command4.setEnabled(StoresWritable);
        Command6.setEnabled(true);
        Command6.setBackColor(ColourTable[7]);
    } else {
        Command6.setEnabled(false);
        Command6.setBackColor(ColourTable[0]);
    }
}

void GsArbeitsverhalten::Text1_Click(int)
{
    OfferInsertion();
    if (CurrentArea == 1)
        Locked[Av][CurrentPupil] = 1;
    else if (CurrentArea == 2)
        Locked[Sv][CurrentPupil] = 1;
    ShowHandEdit();
}

// A text edited by hand is input to be ended like a chosen formulation.
void GsArbeitsverhalten::ShowHandEdit()
{
    ClearOptionValue();
    ResetCategoryButtons();
    EnableSaving(Command4);
    Command6.setEnabled(true);
    Command6.setBackColor(ColourTable[7]);
    Command5.setCaption(EndInputCaption);
    ShowAreaOrLock();
}

void GsArbeitsverhalten::Command4_Click() { SaveAll(); }

void GsArbeitsverhalten::Command5_Click() { LeaveWindow(); }

void GsArbeitsverhalten::Command6_Click()
{
    if (CurrentArea == 1) {
        AreaText[Av][CurrentPupil].clear();
        Locked[Av][CurrentPupil] = 0;
        ResetAvChoices();
    } else {
        AreaText[Sv][CurrentPupil].clear();
        Locked[Sv][CurrentPupil] = 0;
        ResetSvChoices();
    }
    ResetCategoryButtons();
    Command3_Click(0);
    ColourCategoryButtons();
    ShowAreaOrLock();

    ClearOptionValue();
    Frame1.setEnabled(true);
    Command6.setEnabled(false);
    Command6.setBackColor(ColourTable[0]);
    Label3.setVisible(false);
    Option1(0).setFocus();
}

} // namespace zt
