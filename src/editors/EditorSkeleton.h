#pragma once
#include "platform/Form.h"
#include <QString>
#include <QStringList>
#include <array>

namespace zt {

// What the shared steps of the three text-block editors say and touch differently.
struct EditorDesign {
    // Asked before the boxes are saved as the current set.
    QString overwriteQuestion;
    // Asked when the teacher leaves a loaded set unsaved.
    QString unsavedQuestion;
    // Leaving empties the clipboard before anything else.
    bool clearsClipboardOnLeaving = false;
    // No to the load warning closes the insertion dialog along with the editor.
    bool refusedStartClosesInsertion = false;
    // The current files, relative to Daten, that the password copy puts over their defaults,
    // in this order.
    QStringList currentFiles;
};

// The state and the steps every text-block editor shares: one set loaded per opening, saved
// under the current names, the defaults replaced only behind the editor password.
class TextBlockEditor : public Form {
protected:
    TextBlockEditor(const QString& name, EditorDesign design);

    // Layout A: slots 0 to 7 hold the decimal text of a colour, 8 to 10 stay empty.
    void FillColourTable();
    Colour TableColour(int slot) const;

    // The warning before a set is loaded; No unloads the window and gives false.
    bool ConfirmEditStart();
    // Sets OverwriteRefused from the answer.
    void ConfirmOverwriteCurrent();
    // True when the teacher wants a loaded, unsaved set saved before the window closes.
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

private:
    EditorDesign design_;
};

} // namespace zt
