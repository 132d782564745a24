#include "HelpDocuments.h"
#include "DocumentBuilder.h"
#include "core/HelpMarkup.h"
#include <QFile>
#include <QRegularExpression>

namespace zt {

namespace {
// The source of a help document, or an empty name when there is none.
QString sourceOf(const QString& document)
{
    static const QRegularExpression name(QStringLiteral("^Texte[\\\\/]Hilfe(\\d+)\\.odt$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = name.match(document);
    if (!m.hasMatch())
        return QString();
    const QString source = QStringLiteral(":/help/Hilfe%1.txt").arg(m.captured(1).toInt());
    return QFile::exists(source) ? source : QString();
}

bool inList(HelpBlock::Kind kind) { return kind == HelpBlock::Bullet || kind == HelpBlock::Step; }

void layOut(DocumentBuilder& document, const QList<HelpBlock>& blocks)
{
    document.smallText(QStringLiteral("Zeugnistexte – Hilfe"), Qt::AlignRight);
    std::optional<HelpBlock::Kind> previous;
    for (const HelpBlock& b : blocks) {
        // Room between paragraphs, and between a paragraph and a list; a heading brings its own.
        const bool afterText = previous && (*previous == HelpBlock::Paragraph || inList(*previous));
        if (afterText && !(inList(b.kind) && inList(*previous)) && b.kind != HelpBlock::Heading)
            document.space(4);
        previous = b.kind;
        switch (b.kind) {
        case HelpBlock::Title:
            document.title(b.text);
            break;
        case HelpBlock::Heading:
            document.heading(b.text);
            break;
        case HelpBlock::Paragraph:
            document.text(b.text);
            break;
        case HelpBlock::Bullet:
            document.item(QStringLiteral("•"), b.text);
            break;
        case HelpBlock::Step:
            document.item(b.marker, b.text);
            break;
        }
    }
}
} // namespace

bool IsHelpDocument(const QString& document) { return !sourceOf(document).isEmpty(); }

std::optional<QString> MakeHelpDocument(const QString& document)
{
    // Only a help document comes here (IsHelpDocument), whose source is built into the program.
    QFile source(sourceOf(document));
    if (!source.open(QIODevice::ReadOnly))
        return std::nullopt;
    DocumentBuilder builder;
    layOut(builder, ParseHelpMarkup(QString::fromUtf8(source.readAll())));
    if (!builder.save(document))
        return std::nullopt;
    return document;
}

} // namespace zt
