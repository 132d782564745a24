#include "EditorSkeleton.h"
#include "common/ClipboardInsertion.h"
#include "common/FileMessages.h"
#include "common/QuoteGuards.h"
#include "core/ClassData.h"
#include "core/FileProblems.h"
#include "core/ProgramFolder.h"
#include "platform/Colour.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include <algorithm>
#include <optional>
#include <utility>

namespace zt {

namespace {

const QString EditorPassword = QStringLiteral("Wolkenbruch");
const QString CrLf = QStringLiteral("\r\n");

QString inDaten(const QString& name) { return QStringLiteral("Daten\\") + name; }
bool sameFile(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

TextBlockEditor::TextBlockEditor(const QString& name, EditorDesign design) : Form(name), design_(std::move(design))
{
    Label1.setFontBold(true);
    Label1.setFontSize(12);
    Label1.DblClick = [this] { Label1_DblClick(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.setCaption(QStringLiteral("Beenden"));
    Command6.Click = [this] { Command6_Click(); };
}

void TextBlockEditor::FillColourTable()
{
    const Colour layoutA[8] = {Colours::White,      Colours::LightGreen, Colours::PaleGreen, Colours::LightOrange,
                               Colours::LightRed,   Colours::Grey,       Colours::Red,       Colours::Yellow};
    for (int slot = 0; slot < 8; ++slot)
        ColourTable[slot] = QString::number(layoutA[slot].bgr());
}

Colour TextBlockEditor::TableColour(int slot) const { return ColourTable.at(slot).toInt(); }

bool TextBlockEditor::ConfirmEditStart()
{
    const int answer = MsgBox(QStringLiteral("Wenn Sie die Textbausteine ändern wollen, beachten Sie die Hinweise am Ende "
                                             "der Seite.")
                                  + CrLf + QStringLiteral(" Nutzen Sie für geschlechtsspezifische Einfügungen die Vorgaben!")
                                  + CrLf + QStringLiteral("Wollen Sie fortfahren ?"),
                              vbYesNo | vbExclamation | vbDefaultButton2);
    if (answer == vbYes)
        return true;
    WindowRegistry::instance().Unload(name());
    if (Has(RefusedStartClosesInsertion))
        WindowRegistry::instance().Unload(WindowNames::Insertion);
    return false;
}

void TextBlockEditor::ChooseBlockFileNames(int index, const QStringList& currentNames)
{
    currentNames_ = currentNames;
    BlockFileNames.clear();
    for (const QString& current : currentNames)
        BlockFileNames << (index == 0 ? StandardFileName(current) : current);
}

void TextBlockEditor::NoteRead(int file, FileRead read)
{
    if (!read || read.damaged)
        readInPart_.push_back({currentNames_.at(file), BlockFileNames.at(file), !read});
    if (read.longestText > TextBox::MaxLength)
        ReportTextLongerThanABox(inDaten(BlockFileNames.at(file)), read.longestText);
}

void TextBlockEditor::ChooseBlockFileNames(int index, const std::vector<TableFile>& files)
{
    QStringList currentNames;
    for (const TableFile& file : files)
        currentNames << file.name;
    ChooseBlockFileNames(index, currentNames);
}

void TextBlockEditor::LoadTextBlocks()
{
    const std::vector<TableFile> files = TableFiles();
    for (int i = 0; i < static_cast<int>(files.size()); ++i) {
        if (BlockTable* table = files[i].table)
            ReadBlockFile(i, [table](const QString& file) { return readBlockTable(file, *table); });
    }
}

void TextBlockEditor::ShowTextBlocks()
{
    for (const BoxRun& run : BoxRuns()) {
        for (int i = 0; i < run.count; ++i)
            (*run.boxes)(run.firstBox + i).setText(run.table->cell(run.firstLine - 1 + i, run.column));
    }
}

void TextBlockEditor::StoreEditorInArrays()
{
    for (const BoxRun& run : BoxRuns()) {
        for (int i = 0; i < run.count; ++i)
            run.table->set(run.firstLine - 1 + i, run.column, (*run.boxes)(run.firstBox + i).text());
    }
    Saved = 0;
}

std::vector<BlockFileText> TextBlockEditor::SetFiles()
{
    std::vector<BlockFileText> texts;
    for (const TableFile& file : TableFiles()) {
        if (file.table && file.records > 0)
            texts.push_back({file.name, blockTableText(*file.table, file.records)});
    }
    return texts;
}

void TextBlockEditor::ConnectLineBoxes(ControlArray<TextBox>& boxes)
{
    boxes.KeyPress = [this](int, int& key) { Text_KeyPress(key); };
    boxes.Change = [this, &boxes](int i) { Text_Change(boxes(i)); };
    boxes.LostFocus = [this](int) { Text_LostFocus(); };
    boxes.DblClick = [this, &boxes](int i) { Text_DblClick(boxes(i)); };
}

void TextBlockEditor::Text_KeyPress(int& KeyAscii) { RefuseQuoteKey(KeyAscii); }

void TextBlockEditor::Text_Change(TextBox& box) { ReplaceQuotesOnChange(box); }

void TextBlockEditor::Text_LostFocus() { StoreEditorInArrays(); }

void TextBlockEditor::Text_DblClick(TextBox& box)
{
    if (!box.readOnly())
        InsertClipboardAtCaret(box, GenderEnding::Glued);
}

void TextBlockEditor::PlaceGuidance(Label& loadFirst, const QString& loadFirstText, Label& hints, int hintsTop,
                                    int hintsHeight)
{
    loadFirst.setCaption(loadFirstText);
    loadFirst.move(1500, 5400, 12360, 450);
    loadFirst.setFontBold(true);
    loadFirst.setFontSize(11);
    hints.setCaption(QStringLiteral("Hinweise zur Änderung"));
    hints.setBackColor(Colours::LightOrange);
    hints.move(240, hintsTop, 14880, hintsHeight);
}

void TextBlockEditor::AddClassHeader(ControlArray<TextBox>& header)
{
    header.add(0, *this, true).move(7300, 120, 2200, 600);
    header.add(1, *this).move(9600, 120, 1300, 350);
    header.forEach([](int, TextBox& box) { box.setReadOnly(true); });
}

void TextBlockEditor::ShowClassHeader(ControlArray<TextBox>& header)
{
    const ClassData data = LoadClassData(9);
    Grade = data.ClassName.left(1);
    HalfYear = data.BaseData.HalfYear;
    header(0).setText(QStringLiteral("Klasse ") + data.ClassName + CrLf + data.BaseData.SchoolYear);
    header(1).setText(HalfYear + QStringLiteral(". Halbj."));
}

void TextBlockEditor::RememberLoadedSet()
{
    TakeOverBoxes();
    savedSetText_ = SetText();
}

void TextBlockEditor::TakeOverBoxes()
{
    if (!Has(StoresOnLostFocus))
        StoreEditorInArrays();
}

QString TextBlockEditor::SetText()
{
    QString text;
    for (const BlockFileText& file : SetFiles())
        text += file.text;
    return text;
}

void TextBlockEditor::Command5_Click()
{
    if (Loaded != 1)
        return;
    ConfirmOverwriteCurrent();
    if (OverwriteRefused == 1)
        return;
    TakeOverBoxes();
    SaveTextBlocks();
}

void TextBlockEditor::ConfirmOverwriteCurrent()
{
    OverwriteRefused = 0;
    const QString question = QStringLiteral("Sie überschreiben jetzt die aktuellen Formulierungen mit dem hier in allen "
                                            "Bereichen sichtbaren Text. ")
                             + design_.overwriteMiddle + QStringLiteral(" Wollen Sie das wirklich ?");
    if (MsgBox(question, vbYesNo | vbQuestion | vbDefaultButton2) == vbNo)
        OverwriteRefused = 1;
}

bool TextBlockEditor::SaveTextBlocks()
{
    const std::vector<BlockFileText> files = SetFiles();
    const std::vector<ReadInPart> readInPart = WritesOverReadInPart(files);
    const bool overwrite = readInPart.empty() || ConfirmOverwriteReadInPart(readInPart);
    const OneSave oneSave;
    // Every file that may and can be written is; one that cannot keeps its previous content. A file
    // once written holds what is in memory, and nothing of it is read in part any more.
    bool written = true;
    for (const BlockFileText& file : files) {
        const auto isFile = [&file](const ReadInPart& r) { return sameFile(r.current, file.name); };
        const bool keep = !overwrite && std::any_of(readInPart.cbegin(), readInPart.cend(), isFile);
        const bool fileWritten = !keep && writeTextBlockFile(file.name, file.text);
        if (fileWritten)
            std::erase_if(readInPart_, isFile);
        written = fileWritten && written;
    }
    if (written) {
        Saved = 1;
        savedSetText_ = SetText();
    }
    return written;
}

std::vector<TextBlockEditor::ReadInPart> TextBlockEditor::WritesOverReadInPart(const std::vector<BlockFileText>& files) const
{
    std::vector<ReadInPart> found;
    for (const ReadInPart& r : readInPart_) {
        const bool written = std::any_of(files.cbegin(), files.cend(),
                                         [&r](const BlockFileText& file) { return sameFile(r.current, file.name); });
        // A current file that is not there loses nothing: writing it makes it anew.
        if (written && Files::exists(inDaten(r.current)))
            found.push_back(r);
    }
    return found;
}

// One question for all of them.
bool TextBlockEditor::ConfirmOverwriteReadInPart(const std::vector<ReadInPart>& files)
{
    const auto state = [](const ReadInPart& r) {
        return r.missing ? QStringLiteral("nicht vorhanden") : QStringLiteral("beschädigt");
    };
    QString prompt;
    if (files.size() == 1) {
        const ReadInPart& r = files.front();
        prompt = QStringLiteral("Die Datei %1 war beim Laden %2, daher fehlt hier womöglich ein Teil der Formulierungen. "
                                "Wollen Sie die Datei %3 trotzdem überschreiben? Bei Nein bleibt sie unverändert.")
                     .arg(inDaten(r.read), state(r), inDaten(r.current));
    } else {
        QStringList read;
        QStringList current;
        for (const ReadInPart& r : files) {
            read << QStringLiteral("%1 (%2)").arg(inDaten(r.read), state(r));
            current << inDaten(r.current);
        }
        prompt = QStringLiteral("Diese Dateien waren beim Laden nicht vorhanden oder beschädigt, daher fehlt hier womöglich "
                                "ein Teil der Formulierungen:")
                 + CrLf + read.join(CrLf) + CrLf
                 + QStringLiteral("Wollen Sie die Dateien %1 trotzdem überschreiben? Bei Nein bleiben sie unverändert.")
                       .arg(current.join(QStringLiteral(", ")));
    }
    return MsgBox(prompt, vbYesNo | vbExclamation | vbDefaultButton2) == vbYes;
}

void TextBlockEditor::Command6_Click()
{
    if (Has(ClearsClipboardOnLeaving))
        Clipboard::Clear();
    if (Saved == 0 && Loaded == 1 && AskSaveOnClose()) {
        TakeOverBoxes();
        if (!SaveTextBlocks())
            return;
    }
    UnloadEditor();
}

bool TextBlockEditor::QueryUnload()
{
    if (Loaded != 1)
        return true;
    TakeOverBoxes();
    if (SetText() == savedSetText_ || !AskSaveOnClose())
        return true;
    return SaveTextBlocks();
}

bool TextBlockEditor::AskSaveOnClose()
{
    return MsgBox(QStringLiteral("Sie haben eventuelle Änderungen noch nicht gespeichert. ") + design_.unsavedTail,
                  vbYesNo | vbQuestion | vbDefaultButton2)
        == vbYes;
}

void TextBlockEditor::Label1_DblClick()
{
    if (Loaded != 1)
        return;
    if (AskStandardOverwritePassword())
        OverwriteStandardBlocks();
}

bool TextBlockEditor::AskStandardOverwritePassword()
{
    const int answer = MsgBox(QStringLiteral("Die Standardformulierungen werden unwiederbringlich gelöscht und durch die "
                                             "aktuellen Formulierungen ersetzt. Wollen Sie das?"),
                              vbYesNoCancel | vbQuestion);
    if (answer != vbYes)
        return false;
    const QString typed = InputBox(QStringLiteral("Geben Sie das Passwort ein!"));
    if (typed == EditorPassword)
        return true;
    MsgBox(QStringLiteral("Das Passwort war falsch!"), vbCritical);
    return false;
}

void TextBlockEditor::OverwriteStandardBlocks()
{
    for (const QString& current : design_.currentFiles) {
        if (!Files::exists(inDaten(current))) {
            reportMissingFile(inDaten(current));
            return;
        }
    }
    // What each default held before, so that a failed copy can put the earlier ones back.
    std::vector<std::pair<QString, std::optional<QString>>> replaced;
    for (const QString& current : design_.currentFiles) {
        const QString from = inDaten(current);
        const QString to = inDaten(StandardFileName(current));
        std::optional<QString> before = Files::readText(to);
        const WriteResult copied = Files::copy(from, to);
        if (copied) {
            replaced.emplace_back(to, std::move(before));
            continue;
        }
        reportCopyFailure(from, to, copied);
        for (const auto& [target, old] : replaced) {
            // A default that cannot be put back is named, and nothing more is touched.
            const WriteResult putBack = old ? Files::writeText(target, *old) : Files::remove(target);
            if (!putBack) {
                reportWriteFailure(target, putBack);
                return;
            }
        }
        return;
    }
}

void TextBlockEditor::UnloadEditor()
{
    WindowRegistry::instance().Unload(name());
    WindowRegistry::instance().Unload(WindowNames::Insertion);
}

} // namespace zt
