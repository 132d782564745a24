#include "LockSign.h"
#include "platform/Colour.h"
#include <QFontMetrics>
#include <QPainter>

namespace zt {

QString LockSignLine(const QString& newEntryCaption)
{
    return QStringLiteral("Dieser Bereich wird jetzt von Hand bearbeitet. „%1“ öffnet ihn wieder und löscht dabei "
                          "seinen Text.")
        .arg(newEntryCaption);
}

QPixmap LockSign(QSize size, const QString& line, const QFont& font)
{
    constexpr int Margin = 24;
    constexpr int ShackleWidth = 34;
    constexpr int ShackleHeight = 26;
    constexpr int BodyWidth = 58;
    constexpr int BodyHeight = 44;
    constexpr int Gap = 14;
    const QColor ink(70, 70, 70);

    QPixmap sign(size);
    sign.fill(Colours::Grey.toQColor());
    QPainter painter(&sign);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont bold = font;
    bold.setBold(true);
    const int textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRect textArea(Margin, 0, size.width() - 2 * Margin, size.height());
    const int textHeight = QFontMetrics(bold).boundingRect(textArea, textFlags, line).height();
    // The padlock and the line together, in the middle of the sign.
    const double top = (size.height() - (ShackleHeight + BodyHeight + Gap + textHeight)) / 2.0;
    const double centre = size.width() / 2.0;

    const QRectF body(centre - BodyWidth / 2.0, top + ShackleHeight, BodyWidth, BodyHeight);
    painter.setPen(QPen(ink, 7, Qt::SolidLine, Qt::FlatCap));
    const QRectF arc(centre - ShackleWidth / 2.0, top + 4, ShackleWidth, 2 * ShackleHeight);
    painter.drawArc(arc, 0, 180 * 16);
    painter.drawLine(QPointF(arc.left(), arc.center().y()), QPointF(arc.left(), body.top()));
    painter.drawLine(QPointF(arc.right(), arc.center().y()), QPointF(arc.right(), body.top()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRoundedRect(body, 6, 6);
    painter.setBrush(Colours::Grey.toQColor());
    painter.drawEllipse(QPointF(centre, body.top() + 16), 6, 6);
    painter.drawRect(QRectF(centre - 2.5, body.top() + 18, 5, 14));

    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(textArea.adjusted(0, static_cast<int>(body.bottom()) + Gap, 0, 0), textFlags, line);
    return sign;
}

} // namespace zt
