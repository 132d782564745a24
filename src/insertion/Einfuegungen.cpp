#include "Einfuegungen.h"
#include "common/ClipboardInsertion.h"
#include "common/FileMessages.h"
#include "common/QuoteGuards.h"
#include "core/ActiveForm.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include <algorithm>

namespace zt {

namespace {
const QString NoEntries = QStringLiteral("Es sind keine Eintragungen vorhanden");
const QString CrLf = QStringLiteral("\r\n");

const QString NewTextPrompt =
    QStringLiteral("Geben Sie bitte den Text ein!") + CrLf
    + QStringLiteral("Als Platzhalter können Sie hier <Vorname>, <Er/Sie>, <sie/er>, <Ihm/Ihr>, <ihr/ihm>, "
                     "<Sein/Ihr>, <ihr/sein>, die Endung <in>, <Schuljahr>, <Nextschj> oder <Konferenz> benutzen.");

// The blanks line up the descriptions of the shipped tokens in the list's font.
constexpr Einfuegungen::PlaceholderRow GenderPlaceholderRows[] = {{1, 8}, {2, 11}, {4, 11}, {6, 11}, {8, 20}};
constexpr Einfuegungen::PlaceholderRow AllPlaceholderRows[] = {{1, 8},  {2, 11}, {3, 13}, {4, 11},
                                                               {5, 12}, {6, 11}, {7, 10}, {8, 20},
                                                               {9, 8},  {10, 9}, {11, 6}};
// Header row and separator row come before the token rows.
constexpr int FirstTokenRow = 2;

bool isSnippetMode(int mode)
{
    return mode == BehaviourEntry || mode == CompetencesEntry || mode == SupportClubsEntry;
}
} // namespace

Einfuegungen::Einfuegungen() : Form(WindowNames::Insertion)
{
    setCaption(QStringLiteral("Einfügetexte - Dieses Fenster ist hier verschiebbar!!"));
    resize(6000, 4700);
    createControls();
}

void Einfuegungen::createControls()
{
    // Sized to their captions, which must fit on one line.
    const int lefts[3] = {240, 2285, 3930};
    const int widths[3] = {2000, 1600, 1600};
    for (int i = 0; i < 3; ++i) {
        CommandButton& b = Command1.add(i, *this);
        b.move(lefts[i], 120, widths[i], 500);
        b.setFontSize(7);
    }
    Command1.Click = [this](int i) { Command1_Click(i); };
    Label1.move(240, 720, 5290, 500);
    List1.move(240, 1320, 5290, 2700);
    List1.Click = [this] { List1_Click(); };
    Check1.move(5640, 120, 240, 240);
    Check1.setVisible(false);
    Check1.Click = [this] { Check1_Click(); };
}

void Einfuegungen::Form_Load()
{
    Placeholders = readPlaceholderFile();
    Check1.setValue(true);
    Check1_Click();
    mode_ = readActiveForm().value_or(-1);
    switch (mode_) {
    case BehaviourEntry:
        place({2500, 1800, 6000, 4700, 5290, 2700});
        showSnippets(BehaviourSnippetFile);
        break;
    case CompetencesEntry:
        place({2800, 1000, 6000, 4700, 5290, 2700});
        showSnippets(GradeSnippetFile);
        break;
    case SupportClubsEntry:
        place({2500, 1800, 6000, 4700, 5290, 2700});
        showSnippets(GradeSnippetFile);
        break;
    case BehaviourBlocksEditor:
        place({8700, 2300, 5000, 3470, 4400, 1610});
        showPlaceholderRows(GenderPlaceholderRows);
        break;
    case GradeBlocksEditor:
        place({8700, 200, 5000, 5000, 4400, 3000});
        showPlaceholderRows(AllPlaceholderRows);
        break;
    default:
        break;
    }
    if (isSnippetMode(mode_) || mode_ == BehaviourBlocksEditor || mode_ == GradeBlocksEditor)
        Label1.setCaption(QStringLiteral(
            "Wählen Sie den gewünschten Eintrag unten aus und doppelklicken Sie auf die Einfügestelle!"));
    Command1(0).setCaption(QStringLiteral("Markierten Eintrag löschen"));
    Command1(1).setCaption(QStringLiteral("Alle Einträge löschen"));
    Command1(2).setCaption(QStringLiteral("Neuen Text eingeben"));
    // Only the snippet lists have a file that the buttons could edit.
    Command1.forEach([this](int, CommandButton& b) { b.setVisible(isSnippetMode(mode_)); });
}

void Einfuegungen::place(const Placement& p)
{
    move(p.left, p.top, p.width, p.height);
    List1.setWidth(p.listWidth);
    List1.setHeight(p.listHeight);
    Label1.setWidth(p.listWidth);
}

void Einfuegungen::showSnippets(const QString& file)
{
    snippetFile_ = file;
    const SnippetFile read = readSnippetFile(file);
    for (const QString& row : read.rows)
        List1.addItem(row);
    snippetFileDamaged_ = read.damaged;
    rowCount_ = List1.listCount();
}

void Einfuegungen::showPlaceholderRows(std::span<const PlaceholderRow> rows)
{
    // Without the file there is nothing to head or to offer.
    if (Placeholders.count == 0)
        return;
    // The filler blanks line up the descriptions only where every character is as wide as a blank.
    List1.setFixedPitchFont();
    List1.addItem(Placeholders.tokens[0] + QString(12, QLatin1Char(' ')) + Placeholders.descriptions[0] + CrLf);
    List1.addItem(QString(27, QLatin1Char('_')) + CrLf);
    for (const PlaceholderRow& row : rows)
        if (row.slot < Placeholders.count)
            List1.addItem(Placeholders.tokens[row.slot] + QString(row.fillers, QLatin1Char(' '))
                          + Placeholders.descriptions[row.slot] + CrLf);
    growListToRows();
}

// No row may be cut: where the list is too small for its rows, it grows to them, and the window
// with it.
void Einfuegungen::growListToRows()
{
    const int wider = std::max(0, List1.fullWidth() - List1.width());
    const int taller = std::max(0, List1.fullHeight() - List1.height());
    List1.setWidth(List1.width() + wider);
    List1.setHeight(List1.height() + taller);
    Label1.setWidth(List1.width());
    resize(width() + wider, height() + taller);
}

std::span<const Einfuegungen::PlaceholderRow> Einfuegungen::placeholderRowsOfMode() const
{
    if (mode_ == BehaviourBlocksEditor)
        return GenderPlaceholderRows;
    if (mode_ == GradeBlocksEditor)
        return AllPlaceholderRows;
    return {};
}

void Einfuegungen::List1_Click()
{
    const int row = List1.listIndex();
    if (isSnippetMode(mode_)) {
        Clipboard::Clear();
        Clipboard::SetText(List1.list(row));
        return;
    }
    const std::span<const PlaceholderRow> rows = placeholderRowsOfMode();
    if (rows.empty())
        return;
    Clipboard::Clear();
    // The header and the separator row offer nothing.
    const int tokenRow = row - FirstTokenRow;
    if (tokenRow >= 0 && tokenRow < static_cast<int>(rows.size()))
        Clipboard::SetText(Placeholders.tokens[rows[tokenRow].slot]);
}

void Einfuegungen::Command1_Click(int Index)
{
    // Nothing chosen: nothing to delete, and the clipboard is left alone.
    if (Index == 0 && List1.listIndex() < 0)
        return;
    Clipboard::Clear();
    switch (Index) {
    case 0:
        if (!mayOverwriteSnippetFile())
            return;
        List1.removeItem(List1.listIndex());
        rowCount_ = List1.listCount();
        saveSnippets(snippetRows());
        break;
    case 1:
        if (!mayOverwriteSnippetFile())
            return;
        List1.clear();
        rowCount_ = 0;
        saveSnippets({NoEntries});
        break;
    case 2: {
        const QString text = InputBox(NewTextPrompt, QStringLiteral("Einfügetext"));
        if (text.isEmpty() || !mayOverwriteSnippetFile())
            return;
        List1.addItem(WithoutQuotes(text));
        rowCount_ = List1.listCount();
        saveSnippets(snippetRows());
        break;
    }
    default:
        break;
    }
}

QStringList Einfuegungen::snippetRows() const
{
    QStringList rows;
    for (int i = 0; i < rowCount_; ++i)
        rows << List1.list(i);
    return rows;
}

void Einfuegungen::saveSnippets(const QStringList& rows)
{
    if (writeSnippetFile(snippetFile_, rows))
        snippetFileDamaged_ = false;
}

// The list and the file stay as they are unless the teacher accepts losing what could not be read.
bool Einfuegungen::mayOverwriteSnippetFile() const
{
    return !snippetFileDamaged_ || ConfirmOverwriteDamagedFile(snippetFile_);
}

// Ticked for good: the box is invisible, so the window always stays above the work windows.
void Einfuegungen::Check1_Click() { setTopmost(Check1.value()); }

} // namespace zt
