// Every window against every fault of the files it reads or writes. A window is one row.
#include "app/GsStart.h"
#include "composition/GSAGFI.h"
#include "composition/GsArbeitsverhalten.h"
#include "composition/Kompetenzen.h"
#include "core/ActiveForm.h"
#include "editors/GSAenderung12.h"
#include "editors/GSAenderung34.h"
#include "editors/GSAVSVAenderung.h"
#include "FaultMatrix.h"
#include "insertion/Einfuegungen.h"
#include "masterdata/GsBasis.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "review/GsAnzeige.h"
#include "review/Listen.h"
#include "User.h"

using namespace zt;
using namespace zt::test;

namespace {

using F = Fault;

const QString BackupDate = QStringLiteral("09.12.2026"); // by the test clock
const QString Password = QStringLiteral("Wolkenbruch");

PathUse data(const QString& name, int use = Reads, int recordSlots = 0, std::vector<Fault> silent = {})
{
    return {QStringLiteral("Daten\\") + name, use, recordSlots, std::move(silent)};
}

// A store of the class that the window reads and writes, with its copy of the day. A store the
// teacher has not filled yet is empty or made anew.
std::vector<PathUse> store(const QString& stem)
{
    return {data(stem + QStringLiteral(".txt"), ReadsAndWrites, 36, {F::MissingFile, F::EmptyFile}),
            data(QStringLiteral("Sicherheit\\") + stem + BackupDate + QStringLiteral(".txt"), Writes)};
}

const PathUse DataFolder{QStringLiteral("Daten"), Folder};
// Made when it is missing; the master data pass over it.
const PathUse BackupFolder{QStringLiteral("Daten\\Sicherheit"), Folder, 0, {F::MissingFolder}};
// A picture that cannot be shown is replaced by another one without a word.
const PathUse PictureFolder{QStringLiteral("Bild"), Folder, 0, {F::MissingFolder}};

std::vector<PathUse> join(std::initializer_list<std::vector<PathUse>> parts)
{
    std::vector<PathUse> all;
    for (const std::vector<PathUse>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

template <class Window>
Window& as(Form& form)
{
    return static_cast<Window&>(form);
}

WindowRegistry& registry() { return WindowRegistry::instance(); }

void visitStart(Form& form, ScriptedInputBox&)
{
    auto& w = as<GsStart>(form);
    User::click(w.Command2);
    EXPECT_TRUE(w.Command3.visible());
    User::click(w.Command3);
    EXPECT_TRUE(w.Command2.visible());
    // The main menu notes its entry for the insertion dialog.
    User::click(w.Command1(ReviewEntries));
    EXPECT_TRUE(registry().IsLoaded(WindowNames::Review));
    registry().LeaveAll({WindowNames::Review, WindowNames::Start});
}

void visitBehaviour(Form& form, ScriptedInputBox&)
{
    auto& w = as<GsArbeitsverhalten>(form);
    if (w.Combo1.listCount() > 0) {
        User::chooseItem(w.Combo1, 0);
        User::click(w.Command1);
        EXPECT_TRUE(w.Frame1.visible());
        if (w.Frame1.enabled())
            User::click(w.Option1(2));
        if (w.Command4.enabled())
            User::click(w.Command4);
    }
    User::click(w.Command5);
}

void visitCompetences(Form& form, ScriptedInputBox&)
{
    auto& w = as<Kompetenzen>(form);
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command1(1));
    EXPECT_TRUE(w.Frame1(1).visible());
    if (w.Frame1(1).enabled())
        User::click(w.Option2(1));
    if (w.Command2.enabled())
        User::click(w.Command2);
    User::click(w.Command3);
}

void visitSupportClubs(Form& form, ScriptedInputBox&)
{
    auto& w = as<GSAGFI>(form);
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command2(0));
    if (w.Check1(0).widget()->isEnabled())
        User::click(w.Check1(0));
    if (w.Command1(0).enabled())
        User::click(w.Command1(0));
    User::click(w.Command1(1));
}

// Loads a set, changes a line and saves the set as the current one; after the defaults, the
// password copy puts the current files over them.
void visitEditor(TextBlockEditor& w, CommandButton& load, CommandButton& area, TextBox& line, bool defaults,
                 ScriptedInputBox& inputs)
{
    User::click(load);
    ASSERT_TRUE(w.Command5.visible());
    User::click(area);
    User::typeText(line, QStringLiteral(" neu"));
    User::click(w.Command5);
    if (defaults) {
        inputs.answerNext(Password);
        User::dblClick(w.Label1);
    }
    User::click(w.Command6);
}

void visitBehaviourEditor(Form& form, bool defaults, ScriptedInputBox& inputs)
{
    auto& w = as<GSAVSVAenderung>(form);
    visitEditor(w, w.Command1(defaults ? 0 : 1), w.Command4(1), w.Text2(1), defaults, inputs);
}

void visitGradeEditor(Form& form, bool defaults, ScriptedInputBox& inputs)
{
    auto& w = as<GSAenderung12>(form);
    visitEditor(w, w.Command3(defaults ? 0 : 1), w.Command1(3), w.Text2(1), defaults, inputs);
}

void visitGrade34Editor(Form& form, bool defaults, ScriptedInputBox& inputs)
{
    auto& w = as<GSAenderung34>(form);
    visitEditor(w, w.Command1(defaults ? 0 : 1), w.Command2(0), w.Text1(1), defaults, inputs);
}

void visitInsertion(Form& form, ScriptedInputBox& inputs)
{
    auto& w = as<Einfuegungen>(form);
    if (w.List1.listCount() > 2) {
        User::chooseRow(w.List1, 2);
        EXPECT_FALSE(Clipboard::GetText().isEmpty());
    }
    // The snippet lists can be edited; each edit is saved at once.
    if (w.Command1(2).visible()) {
        inputs.answerNext(QStringLiteral("Ein neuer Eintrag"));
        User::click(w.Command1(2));
        EXPECT_EQ(w.List1.list(w.List1.listCount() - 1), QStringLiteral("Ein neuer Eintrag"));
        User::chooseRow(w.List1, 0);
        User::click(w.Command1(0));
    }
    w.CloseByTitleBar();
}

void visitMasterData(Form& form, ScriptedInputBox& inputs)
{
    auto& w = as<GsBasis>(form);
    User::click(w.Command7(0));
    User::click(w.Command5);
    ASSERT_TRUE(w.Command4(2).visible());
    User::click(w.Command4(2));
    User::focus(w.Text2(1));
    User::typeText(w.Text2(1), QStringLiteral("Neu"));
    inputs.answerNext(QStringLiteral("Garten-AG"));
    User::click(w.Command2(0));
    User::click(w.Command6);
    User::click(w.Command1(0));
    // "Ende" ends the program; the main menu leaves the window without it.
    registry().LeaveAll({WindowNames::MasterData});
}

void visitReview(Form& form, ScriptedInputBox&)
{
    auto& w = as<GsAnzeige>(form);
    User::click(w.Check1(WorkPart));
    User::click(w.Check1(RemarksPart));
    User::click(w.Command1(0));
    EXPECT_TRUE(w.Command1(1).enabled());
    User::click(w.Command1(1));
    EXPECT_FALSE(Clipboard::GetText().isEmpty());
    User::click(w.Command1(2));
}

// "Zeugnisse mit  WinWord®  schreiben", answered Yes.
void visitReports(Form& form, ScriptedInputBox&)
{
    User::click(as<GsStart>(form).Command4);
    registry().LeaveAll({WindowNames::Start});
}

void visitHelp(Form& form, ScriptedInputBox&)
{
    User::click(as<GsStart>(form).Command8);
    registry().LeaveAll({WindowNames::Start});
}

void visitLists(Form& form, ScriptedInputBox&)
{
    auto& w = as<Listen>(form);
    User::click(w.Command1(1));
    User::click(w.Command1(5));
}

// The grade editor's block files of one grade, named as current files or as their defaults.
std::vector<PathUse> gradeBlocks(const QString& grade, bool defaults, int use)
{
    std::vector<PathUse> files;
    for (const char* stem : {"Sprechen", "Lesen", "Schreiben", "Mathe", "Bemerkungen", "Versetzung"}) {
        const QString name = QLatin1String(stem) + grade;
        files.push_back(defaults ? data(QStringLiteral("Standard\\") + name + QStringLiteral("Standard.Txt"), use, 11)
                                 : data(name + QStringLiteral(".Txt"), use, 11));
    }
    return files;
}

// The grade 3/4 block files with the records a window keeps of each: the editor's arrays, or
// the composition window's rows.
enum class Keeper { Editor, Composition };

std::vector<PathUse> grade34Blocks(Keeper keeper, bool defaults, int use)
{
    const bool editor = keeper == Keeper::Editor;
    const std::pair<const char*, int> files[] = {{"Förder34", editor ? 11 : 9},    {"Zensurabweichung", editor ? 11 : 8},
                                                 {"Interessen34", 16},              {"Versetzung3", editor ? 11 : 5},
                                                 {"Bemerkungen34", editor ? 6 : 9}, {"AG", 3}};
    std::vector<PathUse> paths;
    for (const auto& [stem, records] : files) {
        const QString name = QString::fromUtf8(stem);
        paths.push_back(defaults ? data(QStringLiteral("Standard\\") + name + QStringLiteral("Standard.Txt"), use, records)
                                 : data(name + QStringLiteral(".Txt"), use, records));
    }
    return paths;
}

PathUse snippets(const QString& name) { return data(name, ReadsAndWrites, 0, {F::EmptyFile}); }

WindowRow insertionRow(const char* name, int entry, std::vector<PathUse> snippetFiles)
{
    return {name,
            WindowNames::Insertion,
            QStringLiteral("2a"),
            entry,
            join({{data(QStringLiteral("AktivForm.txt")), data(QStringLiteral("Platzhalter.txt"), Reads, 31), DataFolder},
                  snippetFiles}),
            visitInsertion};
}

const WindowRow Rows[] = {
    {"StartPage", WindowNames::Start, QStringLiteral("1a"), 0,
     {data(QStringLiteral("Basisdaten.txt"), ReadsAndWrites), data(QStringLiteral("Namen.Txt")),
      data(QStringLiteral("AktivForm.txt"), Writes), DataFolder, PictureFolder},
     visitStart},
    {"BehaviourTexts", WindowNames::Behaviour, QStringLiteral("2a"), BehaviourEntry,
     join({{data(QStringLiteral("Namen.Txt"), Reads, 36), data(QStringLiteral("TexteAV.txt"), Reads, 11),
            data(QStringLiteral("AVKategorien.txt"), Reads, 11), data(QStringLiteral("TexteSV.txt"), Reads, 11),
            data(QStringLiteral("SVKategorien.txt"), Reads, 11), DataFolder, BackupFolder, PictureFolder},
           store(QStringLiteral("AVSVspeicher")), store(QStringLiteral("AVSVWahl"))}),
     visitBehaviour},
    {"Competences", WindowNames::Competences, QStringLiteral("2a"), CompetencesEntry,
     join({{data(QStringLiteral("Namen.Txt"), Reads, 36), data(QStringLiteral("Basisdaten.txt")),
            data(QStringLiteral("Interessen12.Txt"), Reads, 19), data(QStringLiteral("Sprechen2.Txt"), Reads, 11),
            data(QStringLiteral("Lesen2.Txt"), Reads, 11), data(QStringLiteral("Schreiben2.Txt"), Reads, 11),
            data(QStringLiteral("Mathe2.Txt"), Reads, 11), data(QStringLiteral("Bemerkungen2.Txt"), Reads, 11),
            data(QStringLiteral("Versetzung2.Txt"), Reads, 11), data(QStringLiteral("Sportusw.Txt"), Reads, 11),
            data(QStringLiteral("Zwischentexte.Txt"), Reads, 26), DataFolder, BackupFolder, PictureFolder},
           store(QStringLiteral("12Speicher")), store(QStringLiteral("12Sperre"))}),
     visitCompetences, QStringLiteral("enthält keine Kinder")},
    {"BehaviourBlocks", WindowNames::BehaviourEditor, QStringLiteral("2a"), BehaviourBlocksEditor,
     {data(QStringLiteral("AVKategorien.txt"), ReadsAndWrites, 8), data(QStringLiteral("TexteAV.txt"), ReadsAndWrites, 11),
      data(QStringLiteral("SVKategorien.txt"), ReadsAndWrites, 8), data(QStringLiteral("TexteSV.txt"), ReadsAndWrites, 11),
      DataFolder},
     [](Form& f, ScriptedInputBox& inputs) { visitBehaviourEditor(f, false, inputs); }},
    {"BehaviourBlockDefaults", WindowNames::BehaviourEditor, QStringLiteral("2a"), BehaviourBlocksEditor,
     {data(QStringLiteral("Standard\\AVKategorienStandard.txt"), ReadsAndWrites, 8),
      data(QStringLiteral("Standard\\TexteAVStandard.txt"), ReadsAndWrites, 11),
      data(QStringLiteral("Standard\\SVKategorienStandard.txt"), ReadsAndWrites, 8),
      data(QStringLiteral("Standard\\TexteSVStandard.txt"), ReadsAndWrites, 11), data(QStringLiteral("AVKategorien.txt"), Writes),
      data(QStringLiteral("TexteAV.txt"), Writes), data(QStringLiteral("SVKategorien.txt"), Writes),
      data(QStringLiteral("TexteSV.txt"), Writes), PathUse{QStringLiteral("Daten\\Standard"), Folder}},
     [](Form& f, ScriptedInputBox& inputs) { visitBehaviourEditor(f, true, inputs); }},
    {"GradeBlocks", WindowNames::Grade12Editor, QStringLiteral("2a"), GradeBlocksEditor,
     join({{data(QStringLiteral("Namen.Txt")), data(QStringLiteral("Basisdaten.txt")),
            data(QStringLiteral("Interessen12.Txt"), ReadsAndWrites, 21), data(QStringLiteral("Zwischentexte.Txt"), Reads, 31),
            DataFolder},
           gradeBlocks(QStringLiteral("2"), false, ReadsAndWrites)}),
     [](Form& f, ScriptedInputBox& inputs) { visitGradeEditor(f, false, inputs); }},
    // The defaults of the class's grade are loaded and saved as its current files; the password
    // copy then puts the current files of both grades over their defaults.
    {"GradeBlockDefaults", WindowNames::Grade12Editor, QStringLiteral("2a"), GradeBlocksEditor,
     join({{data(QStringLiteral("Standard\\Interessen12Standard.Txt"), ReadsAndWrites, 21),
            data(QStringLiteral("Standard\\ZwischentexteStandard.Txt"), ReadsAndWrites, 31),
            data(QStringLiteral("Interessen12.Txt"), Writes), data(QStringLiteral("Zwischentexte.Txt"), CopiesFrom),
            PathUse{QStringLiteral("Daten\\Standard"), Folder}},
           gradeBlocks(QStringLiteral("2"), true, ReadsAndWrites), gradeBlocks(QStringLiteral("2"), false, Writes),
           gradeBlocks(QStringLiteral("1"), false, CopiesFrom), gradeBlocks(QStringLiteral("1"), true, Writes)}),
     [](Form& f, ScriptedInputBox& inputs) { visitGradeEditor(f, true, inputs); }},
    {"SupportClubs", WindowNames::SupportClubs, QStringLiteral("3a"), SupportClubsEntry,
     join({{data(QStringLiteral("Namen.Txt"), Reads, 36), data(QStringLiteral("Basisdaten.txt")),
            data(QStringLiteral("Sportusw.Txt"), Reads, 16), DataFolder, BackupFolder, PictureFolder},
           grade34Blocks(Keeper::Composition, false, Reads), store(QStringLiteral("34Speicher")),
           store(QStringLiteral("34Sperre"))}),
     visitSupportClubs, QStringLiteral("enthält keine Kinder")},
    {"Grade34Blocks", WindowNames::Grade34Editor, QStringLiteral("3a"), GradeBlocksEditor,
     join({{data(QStringLiteral("Namen.Txt")), data(QStringLiteral("Basisdaten.txt")), DataFolder},
           grade34Blocks(Keeper::Editor, false, ReadsAndWrites)}),
     [](Form& f, ScriptedInputBox& inputs) { visitGrade34Editor(f, false, inputs); }},
    // The password copy puts both promotion files over their defaults, whatever the grade.
    {"Grade34BlockDefaults", WindowNames::Grade34Editor, QStringLiteral("3a"), GradeBlocksEditor,
     join({{data(QStringLiteral("Versetzung4.Txt"), CopiesFrom), data(QStringLiteral("Standard\\Versetzung4Standard.Txt"), Writes),
            PathUse{QStringLiteral("Daten\\Standard"), Folder}},
           grade34Blocks(Keeper::Editor, true, ReadsAndWrites), grade34Blocks(Keeper::Editor, false, Writes)}),
     [](Form& f, ScriptedInputBox& inputs) { visitGrade34Editor(f, true, inputs); }},
    insertionRow("InsertionForBehaviour", BehaviourEntry, {snippets(QStringLiteral("Einfügungen1.txt"))}),
    insertionRow("InsertionForCompetences", CompetencesEntry, {snippets(QStringLiteral("Einfügungen2.txt"))}),
    insertionRow("InsertionForSupportAndClubs", SupportClubsEntry, {snippets(QStringLiteral("Einfügungen2.txt"))}),
    insertionRow("InsertionForBehaviourBlocks", BehaviourBlocksEditor, {}),
    insertionRow("InsertionForGradeBlocks", GradeBlocksEditor, {}),
    {"MasterData", WindowNames::MasterData, QStringLiteral("3a"), MasterData,
     join({{data(QStringLiteral("Basisdaten.txt"), ReadsAndWrites),
            data(QStringLiteral("Namen.Txt"), ReadsAndWrites, 36),
            data(QStringLiteral("AGListe.txt"), ReadsAndWrites, 25, {F::MissingFile, F::EmptyFile}),
            data(QStringLiteral("Sibankpfad.txt"), ReadsAndWrites, 0, {F::MissingFile}),
            data(QStringLiteral("sib1undsib2.txt")),
            data(QStringLiteral("Bildliststeuer.Txt"), Writes), data(QStringLiteral("Namen1.txt"), Writes),
            data(QStringLiteral("AVSVspeicher.txt"), Writes), data(QStringLiteral("AVSVWahl.txt"), Writes),
            data(QStringLiteral("12Speicher.txt"), Writes), data(QStringLiteral("12Sperre.txt"), Writes),
            data(QStringLiteral("34Speicher.txt"), Writes), data(QStringLiteral("34Sperre.txt"), Writes), DataFolder,
            BackupFolder}}),
     visitMasterData},
    {"Review", WindowNames::Review, QStringLiteral("2a"), ReviewEntries,
     {data(QStringLiteral("Basisdaten.txt")), data(QStringLiteral("Namen.Txt"), Reads, 36),
      data(QStringLiteral("AVSVspeicher.txt"), Reads, 36, {F::EmptyFile}),
      data(QStringLiteral("12Speicher.txt"), Reads, 36, {F::EmptyFile}), DataFolder},
     visitReview},
    {"ReviewOfGrade3", WindowNames::Review, QStringLiteral("3a"), ReviewEntries,
     {data(QStringLiteral("34Speicher.txt"), Reads, 36, {F::EmptyFile})},
     visitReview},
    {"Lists", WindowNames::Lists, QStringLiteral("2a"), 0, {PathUse{QStringLiteral("Daten"), Folder, 0, {F::MissingFolder}}},
     visitLists},
};

PathUse document(const QString& path) { return {path, Writes | Document}; }
// The copy of the day that a document the teacher may have edited leaves before it is made anew.
PathUse keptCopy(const QString& path) { return {path, Writes | KeptCopy}; }

// The lists window's button for a list, and then its "Beenden".
WindowRow listRow(const char* name, int button, const QString& written, std::vector<PathUse> reads)
{
    reads.push_back(document(written));
    return {name, WindowNames::Lists, QStringLiteral("2a"), 0, std::move(reads), [button](Form& form, ScriptedInputBox&) {
                auto& w = as<Listen>(form);
                User::click(w.Command1(button));
                User::click(w.Command1(5));
            }};
}

// Every document that a stand-in makes, asked for as the teacher asks for it, with the program's
// own launcher: the files its stand-in reads, and the document it writes.
const WindowRow Documents[] = {
    {"ReviewPrint", WindowNames::Review, QStringLiteral("2a"), ReviewEntries,
     {PathUse{QStringLiteral("Daten\\worddaten"), Folder, 0, {F::MissingFolder}},
      document(QStringLiteral("Daten\\worddaten\\Anzeigetext.odt"))},
     visitReview},
    // The reports and the report list are named after the class and the half-year.
    {"Reports", WindowNames::Start, QStringLiteral("2a"), 0,
     {data(QStringLiteral("Basisdaten.txt"), Reads | NamesDocument), data(QStringLiteral("Namen.Txt"), Reads | NamesDocument, 36),
      data(QStringLiteral("AVSVspeicher.txt"), Reads, 36, {F::EmptyFile}),
      data(QStringLiteral("12Speicher.txt"), Reads, 36, {F::EmptyFile}), PathUse{QStringLiteral("Daten"), Folder | NamesDocument},
      document(QStringLiteral("2aZeugnisse21.odt")), keptCopy(QStringLiteral("2aZeugnisse21 ") + BackupDate + QStringLiteral(".odt"))},
     visitReports},
    {"ReportList", WindowNames::MasterData, QStringLiteral("3a"), MasterData,
     {data(QStringLiteral("Basisdaten.txt"), ReadsAndWrites | NamesDocument), data(QStringLiteral("Namen.Txt"), ReadsAndWrites | NamesDocument, 36),
      document(QStringLiteral("3aZeugnisliste31.odt")), keptCopy(QStringLiteral("3aZeugnisliste31 ") + BackupDate + QStringLiteral(".odt"))},
     visitMasterData},
    // The help is written anew from the program's own text; a missing folder is made.
    {"Help", WindowNames::Start, QStringLiteral("2a"), 0,
     {PathUse{QStringLiteral("Texte"), Folder, 0, {F::MissingFolder}}, document(QStringLiteral("Texte\\Hilfe1.odt"))},
     visitHelp},
    listRow("Attachments", 0, QStringLiteral("ZeugnisseAnlagen.odt"),
            {data(QStringLiteral("Basisdaten.txt")), data(QStringLiteral("Namen.Txt"), Reads, 36),
             data(QStringLiteral("12Speicher.txt"), Reads, 36, {F::EmptyFile}), DataFolder,
             keptCopy(QStringLiteral("ZeugnisseAnlagen ") + BackupDate + QStringLiteral(".odt"))}),
    listRow("BlankForm", 4, QStringLiteral("Leerformular.odt"),
            {data(QStringLiteral("Basisdaten.txt")), data(QStringLiteral("Namen.Txt"), Reads, 36), DataFolder}),
    listRow("ClassList", 1, QStringLiteral("KlListe.odt"),
            {data(QStringLiteral("Basisdaten.txt")), data(QStringLiteral("Namen.Txt"), Reads, 36), DataFolder}),
    listRow("TallyList", 2, QStringLiteral("StListe.odt"),
            {data(QStringLiteral("Basisdaten.txt")), data(QStringLiteral("Namen.Txt"), Reads, 36), DataFolder}),
    listRow("PhotoList", 3, QStringLiteral("BldListe.odt"),
            {data(QStringLiteral("Basisdaten.txt")), data(QStringLiteral("Namen.Txt"), Reads, 36),
             data(QStringLiteral("Bildliststeuer.Txt"), Reads, 36), DataFolder, PictureFolder}),
};

TEST_P(FaultMatrix, EveryFaultOfEveryFile) { runCells(); }

INSTANTIATE_TEST_SUITE_P(EveryWindow, FaultMatrix, ::testing::ValuesIn(Rows), NameOfRow);
INSTANTIATE_TEST_SUITE_P(EveryDocument, FaultMatrix, ::testing::ValuesIn(Documents), NameOfRow);

} // namespace
