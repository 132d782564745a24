#pragma once
#include <QList>
#include <QString>

namespace zt {

// One block of a help text, in the order the page shows it.
struct HelpBlock {
    enum Kind { Title, Heading, Paragraph, Bullet, Step };
    Kind kind = Paragraph;
    QString text;
    QString marker; // a step's number as written, "3."; empty for the other kinds
    bool operator==(const HelpBlock&) const = default;
};

// The help texts are kept as plain text: a line beginning "# " is the title, "## " a heading, "- " a
// bullet item, a number and ". " a numbered step; any other line continues the block before it, or
// starts a paragraph. A title or a heading is one line; an empty line ends any block. The lines of one
// block are joined by one blank; blanks inside a line stay as they are.
QList<HelpBlock> ParseHelpMarkup(const QString& source);

} // namespace zt
