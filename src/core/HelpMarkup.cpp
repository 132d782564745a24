#include "HelpMarkup.h"
#include <QRegularExpression>
#include <optional>

namespace zt {

namespace {
struct Start {
    HelpBlock::Kind kind;
    QString marker;
    QString text;
};

std::optional<Start> blockStart(const QString& line)
{
    static const QRegularExpression step(QStringLiteral("^(\\d+\\.) +(.*)$"));
    if (line.startsWith(QLatin1String("## ")))
        return Start{HelpBlock::Heading, {}, line.mid(3)};
    if (line.startsWith(QLatin1String("# ")))
        return Start{HelpBlock::Title, {}, line.mid(2)};
    if (line.startsWith(QLatin1String("- ")))
        return Start{HelpBlock::Bullet, {}, line.mid(2)};
    const QRegularExpressionMatch m = step.match(line);
    if (m.hasMatch())
        return Start{HelpBlock::Step, m.captured(1), m.captured(2)};
    return std::nullopt;
}
} // namespace

QList<HelpBlock> ParseHelpMarkup(const QString& source)
{
    QList<HelpBlock> blocks;
    bool open = false;
    for (QString line : source.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        if (line.trimmed().isEmpty()) {
            open = false;
            continue;
        }
        if (const std::optional<Start> start = blockStart(line)) {
            blocks.append({start->kind, start->text.trimmed(), start->marker});
            // A title or heading is one line; what follows it starts a paragraph.
            open = start->kind != HelpBlock::Title && start->kind != HelpBlock::Heading;
            continue;
        }
        if (open) {
            blocks.last().text += QLatin1Char(' ') + line.trimmed();
            continue;
        }
        blocks.append({HelpBlock::Paragraph, line.trimmed(), {}});
        open = true;
    }
    return blocks;
}

} // namespace zt
