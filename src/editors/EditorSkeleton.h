#pragma once
#include "core/TextBlockFiles.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zt {

// Where the editors' shared steps differ.
enum EditorTrait {
    // Leaving empties the clipboard before anything else.
    ClearsClipboardOnLeaving = 1,
    // No to the load warning closes the insertion dialog along with the editor.
    RefusedStartClosesInsertion = 2,
    // Every box hands its text to the set when it loses the focus; otherwise the boxes on screen
    // are taken over before the set is saved or compared.
    StoresOnLostFocus = 4,
};

struct EditorDesign {
    // The sentence of the overwrite question that says who will offer the new formulations.
    QString overwriteMiddle;
    // The question that ends the notice of unsaved changes.
    QString unsavedTail;
    int traits = 0;
    // The current files, relative to Daten, that the password copy puts over their defaults,
    // in this order.
    QStringList currentFiles;
};

// One file of the set, as saving writes it.
struct BlockFileText {
    QString name;
    QString text;
};

// The state and the steps every text-block editor shares: one set loaded per opening after a
// warning, saved under the current names after a confirmation, a question before unsaved work is
// left, and the defaults replaced only behind the editor password.
class TextBlockEditor : public Form {
public:
    // The title label, whose double-click replaces the defaults, the save button and "Beenden".
    Label Label1{*this};
    CommandButton Command5{*this};
    CommandButton Command6{*this};

    // After ConfirmOverwriteCurrent, the set is written.
    void Command5_Click();
    // Asks about a loaded, unsaved set, then unloads this window and the insertion dialog. A set
    // that could not be saved keeps the window.
    void Command6_Click();
    // The password, then the copy.
    void Label1_DblClick();
    // The line boxes of the grade editors share their handlers: they differ only in the array.
    void Text_KeyPress(int& KeyAscii);
    void Text_Change(TextBox& box);
    void Text_LostFocus();
    // Inserts the clipboard at the caret, not into a box that cannot be typed into.
    void Text_DblClick(TextBox& box);

    void LeaveByOwnButton() override { Command6_Click(); }
    // Asked by the main menu and the end of the program: a set that differs from what was loaded
    // or last saved is asked about with the editor's own question.
    bool QueryUnload() override;

    // For tests: the window's state as the teacher cannot see it.
    bool saved() const { return Saved == 1; }
    bool loaded() const { return Loaded == 1; }

protected:
    TextBlockEditor(const QString& name, EditorDesign design);

    // A file of a set read into a block table; saving writes its first `records` rows (none: it
    // is never written). Without a table it is neither read nor written.
    struct TableFile {
        QString name;
        BlockTable* table;
        int records;
    };
    // `count` boxes from `firstBox` on show the lines from `firstLine` on of one column of a table.
    struct BoxRun {
        ControlArray<TextBox>* boxes;
        int firstBox;
        int count;
        BlockTable* table;
        int column;
        int firstLine;
    };
    // A set of block tables: its files in the order of BlockFileNames, and the boxes showing cells.
    virtual std::vector<TableFile> TableFiles() { return {}; }
    virtual std::vector<BoxRun> BoxRuns() { return {}; }
    // Reads file i of BlockFileNames into the table of TableFiles()[i].
    void LoadTextBlocks();
    void ShowTextBlocks();
    // The boxes on screen into the set in memory; afterwards the set counts as not saved.
    virtual void StoreEditorInArrays();
    // Every file of the set under its current name, in writing order.
    virtual std::vector<BlockFileText> SetFiles();

    // Gives every box of the array the shared line-box handlers.
    void ConnectLineBoxes(ControlArray<TextBox>& boxes);

    // Over the hidden frames of a grade editor until a set is loaded, what to do first; below the
    // frames, the hints that each area replaces.
    void PlaceGuidance(Label& loadFirst, const QString& loadFirstText, Label& hints, int hintsTop, int hintsHeight);
    // The header of a grade editor: box 0 for the class and the school year, box 1 for the half-year.
    void AddClassHeader(ControlArray<TextBox>& header);
    // Reads the class and the base data into the header: "Klasse ", the class, CR LF and the school
    // year; the half-year and ". Halbj.". Keeps the grade and the half-year.
    void ShowClassHeader(ControlArray<TextBox>& header);

    // Layout A: slots 0 to 7 hold the decimal text of a colour, 8 to 10 stay empty.
    enum ColourSlot { WhiteSlot = 0, LightGreenSlot = 1, LightRedSlot = 4, GreySlot = 5, RedSlot = 6 };
    void FillColourTable();
    Colour TableColour(int slot) const;

    // The warning before a set is loaded; No unloads the window and gives false.
    bool ConfirmEditStart();
    // The names the loader opens: the defaults for index 0, else the current names.
    void ChooseBlockFileNames(int index, const QStringList& currentNames);
    void ChooseBlockFileNames(int index, const std::vector<TableFile>& files);
    // Reads file `file` of BlockFileNames with `read`; a file missing or read only in part is
    // remembered, so that saving asks before it writes over the current file what could not be read.
    template <class Read>
    void ReadBlockFile(int file, Read read)
    {
        NoteRead(file, read(BlockFileNames.at(file)));
    }
    // What saving would write, as the set now loaded stands: leaving asks only when this changes.
    void RememberLoadedSet();

    // Sets OverwriteRefused from the answer.
    void ConfirmOverwriteCurrent();
    // Writes every file of the set, over a current file whose text was read in part only after a
    // question; true when all were written, and then Saved is 1.
    bool SaveTextBlocks();
    bool AskSaveOnClose();

    // The question, the password and, for a wrong one, the notice; true only for Yes and the
    // right password.
    bool AskStandardOverwritePassword();
    // Copies the current files as they lie on disk over their defaults: all of them or, when one
    // cannot be copied, none.
    void OverwriteStandardBlocks();
    // This window, then the insertion dialog.
    void UnloadEditor();

    qint16 Saved = 0;
    qint16 Loaded = 0;
    qint16 OverwriteRefused = 0;
    // Relative to Daten: the names the loader opens.
    QStringList BlockFileNames;
    std::array<QString, 11> ColourTable;
    // The first character of the class, and the half-year of the base data.
    QString Grade;
    QString HalfYear;

private:
    // A current file whose text in memory came from a file that was missing or damaged.
    struct ReadInPart {
        QString current;
        QString read;
        bool missing;
    };

    bool Has(EditorTrait trait) const { return (design_.traits & trait) != 0; }
    void NoteRead(int file, FileRead read);
    void TakeOverBoxes();
    QString SetText();
    // Of the files to be written, those that would replace an existing current file with a set
    // read in part.
    std::vector<ReadInPart> WritesOverReadInPart(const std::vector<BlockFileText>& files) const;
    bool ConfirmOverwriteReadInPart(const std::vector<ReadInPart>& files);

    EditorDesign design_;
    QString savedSetText_;
    // The current names of BlockFileNames, in the same order.
    QStringList currentNames_;
    std::vector<ReadInPart> readInPart_;
};

} // namespace zt
