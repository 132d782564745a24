#pragma once
#include "core/InsertionFiles.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include <QString>
#include <QStringList>
#include <span>

namespace zt {

// Floats above the work windows: a click on a row puts the teacher's snippet or a placeholder
// token on the clipboard, and the work window inserts it at the double-clicked word. Which list
// it offers depends on the menu entry that opened the work window (Daten\AktivForm.txt).
class Einfuegungen : public Form {
public:
    Einfuegungen();

    void Form_Load() override;

    ListBox List1{*this};
    Label Label1{*this};
    CheckBox Check1{*this};
    ControlArray<CommandButton> Command1;

    void List1_Click();
    void Command1_Click(int Index);
    void Check1_Click();

    int mode() const { return mode_; }
    const QString& snippetFile() const { return snippetFile_; }
    int rowCount() const { return rowCount_; }

    // A placeholder row: the token's slot and the blanks that line up its description.
    struct PlaceholderRow {
        int slot;
        int fillers;
    };

private:
    struct Placement {
        int left, top, width, height;
        int listWidth, listHeight;
    };

    void createControls();
    void place(const Placement& p);
    void showSnippets(const QString& file);
    void showPlaceholderRows(std::span<const PlaceholderRow> rows);
    void growListToRows();
    std::span<const PlaceholderRow> placeholderRowsOfMode() const;
    QStringList snippetRows() const;
    void saveSnippets(const QStringList& rows);
    bool mayOverwriteSnippetFile() const;

    PlaceholderList Placeholders;
    int mode_ = -1;
    QString snippetFile_;
    bool snippetFileDamaged_ = false;
    int rowCount_ = 0;
};

} // namespace zt
