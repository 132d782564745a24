#pragma once
#include <QCheckBox>
#include <QHelpEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <QToolTip>

namespace zt {

// A caption shows every character as it is: many come from the data files (a club "Kunst &
// Werken"), and no window marks a shortcut key with "&". Qt takes a doubled "&" for one drawn "&".
inline QString shownAsIs(const QString& caption) { return QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")); }
inline QString asGiven(const QString& shown) { return QString(shown).replace(QLatin1String("&&"), QLatin1String("&")); }

// Where a button of each kind draws its caption.
template <class B>
struct CaptionPlace;
template <>
struct CaptionPlace<QPushButton> {
    static constexpr QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    static constexpr QStyle::ControlElement control = QStyle::CE_PushButton;
};
template <>
struct CaptionPlace<QRadioButton> {
    static constexpr QStyle::SubElement contents = QStyle::SE_RadioButtonContents;
    static constexpr QStyle::ControlElement control = QStyle::CE_RadioButton;
};
template <>
struct CaptionPlace<QCheckBox> {
    static constexpr QStyle::SubElement contents = QStyle::SE_CheckBoxContents;
    static constexpr QStyle::ControlElement control = QStyle::CE_CheckBox;
};

// A button whose caption, wider than the button, wraps at its blanks onto further lines. A caption
// that does not fit even so shows itself whole as a tool tip, unless the button has a tip of its own.
template <class B>
class WrappingCaption : public B {
public:
    using B::B;

    // Lines the caption takes at the button's width.
    int captionLines() const
    {
        const QStringList lines = wrapped(styleOption());
        return static_cast<int>(lines.size());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option = styleOption();
        option.text = shownAsIs(wrapped(option).join(QLatin1Char('\n')));
        painter.drawControl(CaptionPlace<B>::control, option);
    }

    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip && this->toolTip().isEmpty() && !fits()) {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), asGiven(this->text()), this);
            return true;
        }
        return B::event(e);
    }

private:
    QStyleOptionButton styleOption() const
    {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        return option;
    }

    QRect captionRect(const QStyleOptionButton& option) const
    {
        QRect r = this->style()->subElementRect(CaptionPlace<B>::contents, &option, this);
        if (!option.icon.isNull())
            r.setWidth(r.width() - option.iconSize.width() - 4);
        return r;
    }

    QStringList wrapped(const QStyleOptionButton& option) const
    {
        const QString caption = asGiven(option.text);
        const int width = captionRect(option).width();
        if (this->fontMetrics().horizontalAdvance(caption) <= width)
            return {caption};
        QTextLayout layout(caption, this->font());
        QTextOption wrap;
        wrap.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrap);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << caption.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        return lines;
    }

    bool fits() const
    {
        const QStyleOptionButton option = styleOption();
        const QRect r = captionRect(option);
        const QStringList lines = wrapped(option);
        if (lines.size() * this->fontMetrics().lineSpacing() > r.height())
            return false;
        for (const QString& line : lines)
            if (this->fontMetrics().horizontalAdvance(line) > r.width())
                return false;
        return true;
    }
};

} // namespace zt
