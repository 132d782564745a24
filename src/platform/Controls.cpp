#include "Controls.h"
#include "Colour.h"
#include "HookedWidget.h"
#include "Twips.h"
#include "WrappingCaption.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <map>

namespace zt {

namespace {
constexpr Colour ButtonFace = 0xE0E0E0;
constexpr Colour Black = 0x000000;
// The caption or text of a disabled control, on the control's own back colour.
constexpr Colour GrayText = 0x808080;
constexpr int RowTextRole = Qt::UserRole + 1;
constexpr const char* OwnerProperty = "zt_control";
} // namespace

Control::Control(QWidget* widget, Colour backColor, Colour foreColor)
    : widget_(widget), backColourGiven_(backColor == Colours::White), backColor_(backColor), foreColor_(foreColor)
{
    widget_->setProperty(OwnerProperty, QVariant::fromValue(static_cast<void*>(this)));
    applyColours();
    // A control made in a window not yet on screen appears with it; showing it at once would
    // measure its text for a size that its placement replaces anyway.
    if (widget_->parentWidget() && widget_->parentWidget()->isVisible())
        widget_->setVisible(true);
    const QRect g = widget_->geometry();
    left_ = toTwips(g.x());
    top_ = toTwips(g.y());
    width_ = toTwips(g.width());
    height_ = toTwips(g.height());
}

Control::~Control()
{
    // The window may already be half destroyed: no event may reach it any more.
    Click = nullptr;
    DblClick = nullptr;
    Change = nullptr;
    GotFocus = nullptr;
    LostFocus = nullptr;
    KeyPress = nullptr;
    delete widget_.data();
}

Control* Control::owning(const QWidget* widget)
{
    return widget ? static_cast<Control*>(widget->property(OwnerProperty).value<void*>()) : nullptr;
}

void Control::handOverFocusedEdit(const QWidget* widget)
{
    Control* focused = owning(widget->window()->focusWidget());
    if (focused && focused != owning(widget) && focused->LostFocus)
        focused->LostFocus();
}

void Control::setEnabled(bool on)
{
    enabled_ = on;
    widget_->setEnabled(on);
}

void Control::setVisible(bool on)
{
    visible_ = on;
    widget_->setVisible(on);
}

// A colour set again changes nothing on screen and is no reason to repaint.
void Control::setBackColor(Colour colour)
{
    if (backColourGiven_ && colour == backColor_)
        return;
    backColor_ = colour;
    backColourGiven_ = true;
    applyColours();
}

void Control::setForeColor(Colour colour)
{
    if (colour == foreColor_)
        return;
    foreColor_ = colour;
    applyColours();
}

namespace {
// The palette of a back and a fore colour, made once: windows build hundreds of controls from a
// handful of colour pairs.
const QPalette& paletteOf(Colour back, Colour fore)
{
    static std::map<std::pair<int, int>, QPalette> made;
    auto [it, added] = made.try_emplace({back.bgr(), fore.bgr()}, QApplication::palette());
    if (added) {
        QPalette& p = it->second;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            p.setColor(role, back.toQColor());
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            p.setColor(role, fore.toQColor());
            p.setColor(QPalette::Disabled, role, GrayText.toQColor());
        }
    }
    return it->second;
}
} // namespace

void Control::applyColours()
{
    widget_->setPalette(paletteOf(backColor_, foreColor_));
    // Until a colour is given, a control shows the window's background.
    widget_->setAutoFillBackground(backColourGiven_);
}

void Control::setLeft(int twips) { move(twips, top(), width(), height()); }
void Control::setTop(int twips) { move(left(), twips, width(), height()); }
void Control::setWidth(int twips) { move(left(), top(), twips, height()); }
void Control::setHeight(int twips) { move(left(), top(), width(), twips); }

void Control::move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    widget_->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QString Control::toolTip() const { return widget_->toolTip(); }
void Control::setToolTip(const QString& tip) { widget_->setToolTip(tip); }
bool Control::fontBold() const { return widget_->font().bold(); }

void Control::setFontBold(bool bold)
{
    QFont f = widget_->font();
    f.setBold(bold);
    widget_->setFont(f);
}

double Control::fontSize() const { return widget_->font().pointSizeF(); }

void Control::setFontSize(double points)
{
    QFont f = widget_->font();
    f.setPointSizeF(points);
    widget_->setFont(f);
}

void Control::setFixedPitchFont()
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(widget_->font().pointSizeF());
    f.setBold(widget_->font().bold());
    widget_->setFont(f);
}

void Control::setFocus() { widget_->setFocus(Qt::OtherFocusReason); }
bool Control::hasFocus() const { return widget_->hasFocus(); }

// --- CommandButton

namespace {
QPushButton* makeButton(ControlEvents& events, QWidget* parent)
{
    auto* b = new HookedWidget<WrappingCaption<QPushButton>>(events, parent);
    b->clickFromSignal = true;
    QObject::connect(b, &QPushButton::clicked, b, [b, &events] { raiseUserClick(b, events); });
    return b;
}
} // namespace

CommandButton::CommandButton(ControlParent& parent, const QString& caption)
    : Control(makeButton(*this, parent.area()), ButtonFace, Black)
{
    setCaption(caption);
}

QString CommandButton::caption() const { return asGiven(static_cast<QPushButton*>(widget())->text()); }
void CommandButton::setCaption(const QString& caption) { static_cast<QPushButton*>(widget())->setText(shownAsIs(caption)); }

void CommandButton::setPicture(const QIcon& picture)
{
    auto* b = static_cast<QPushButton*>(widget());
    b->setIcon(picture);
    b->setIconSize(QSize(24, 24));
}

// --- Label

namespace {
QLabel* makeLabel(ControlEvents& events, QWidget* parent)
{
    auto* l = new HookedWidget<QLabel>(events, parent);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace

Label::Label(ControlParent& parent, const QString& caption)
    : Control(makeLabel(*this, parent.area()), ButtonFace, Black)
{
    setCaption(caption);
}

QString Label::caption() const { return static_cast<QLabel*>(widget())->text(); }
void Label::setCaption(const QString& caption) { static_cast<QLabel*>(widget())->setText(caption); }

// --- TextBox

namespace {
// Qt's line edit leaves this much room on either side of its text.
constexpr int LineEditMargin = 2;
// A tip is no place to read more; a longer text shows its beginning.
constexpr qsizetype LongestTip = 2000;

// A one-line box that shows its text whole in its tool tip when it is too narrow for it.
class LineBox : public HookedWidget<QLineEdit> {
public:
    using HookedWidget<QLineEdit>::HookedWidget;

    QString toolTipShown() const
    {
        const QString own = toolTip();
        if (fitsText())
            return own;
        QString t = text();
        if (t.size() > LongestTip)
            t = t.left(LongestTip) + QChar(0x2026);
        return own.isEmpty() ? t : own + QStringLiteral("\n\n") + t;
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::ToolTip)
            return HookedWidget<QLineEdit>::event(e);
        const QString tip = toolTipShown();
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            // As a paragraph, so that the tip wraps a long text instead of running off the screen.
            const QString lines = tip.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), QStringLiteral("<p>%1</p>").arg(lines), this);
        }
        return true;
    }

private:
    bool fitsText() const
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
        return fontMetrics().horizontalAdvance(text()) <= room.width() - 2 * LineEditMargin;
    }
};

QWidget* makeTextBox(ControlEvents& events, QWidget* parent, bool multiLine)
{
    if (multiLine) {
        auto* e = new HookedWidget<QPlainTextEdit>(events, parent);
        // Tab moves on to the next control, as in any form: a tab character has no place in a report.
        e->setTabChangesFocus(true);
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [&events] { if (events.Change) events.Change(); });
        return e;
    }
    auto* e = new LineBox(events, parent);
    QObject::connect(e, &QLineEdit::textChanged, e, [&events] { if (events.Change) events.Change(); });
    return e;
}
} // namespace

TextBox::TextBox(ControlParent& parent, bool multiLine)
    : Control(makeTextBox(*this, parent.area(), multiLine), Colours::White, Black), multiLine_(multiLine)
{
    if (multiLine) {
        plain_ = static_cast<QPlainTextEdit*>(widget());
    } else {
        line_ = static_cast<QLineEdit*>(widget());
        line_->setMaxLength(MaxLength);
    }
}

namespace {
// The windows' boxes break lines at CR LF only; a lone CR is a character of the text, which the
// document keeps as this stand-in (no file can hold it: files are Windows-1252).
constexpr QChar LoneCr(0xE00D);

// Line ends as the document holds them: CR LF and a lone LF become one break.
QString toDocument(const QString& text)
{
    QString t;
    t.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r')) {
            t += c;
        } else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            t += QLatin1Char('\n');
            ++i;
        } else {
            t += LoneCr;
        }
    }
    return t;
}

// The raw text, since the plain one turns a non-breaking space (pasted from Word, say) into a blank.
QString documentText(const QPlainTextEdit* e)
{
    QString t = e->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}
} // namespace

QString TextBox::text() const
{
    if (!whole_.isNull())
        return whole_;
    if (line_)
        return line_->text();
    // The windows keep line breaks as CR LF.
    QString t = documentText(plain_);
    t.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    t.replace(LoneCr, QLatin1Char('\r'));
    return t;
}

void TextBox::setText(const QString& text)
{
    const bool fits = text.size() <= MaxLength;
    // Past the part shown, a text can change while what the box shows stays the same.
    const bool changesUnseen = (!fits || !showsWhole()) && text != this->text();
    // Kept before the box changes, so that its Change sees the whole text.
    whole_ = fits ? QString() : text;
    applyReadOnly();
    if (!show(fits ? text : text.left(MaxLength)) && changesUnseen && Change)
        Change();
}

bool TextBox::show(const QString& text)
{
    if (line_) {
        if (text == line_->text())
            return false;
        // The caret goes to the start, as a box set by the program shows the beginning of a text
        // longer than the box.
        line_->setText(text);
        line_->setCursorPosition(0);
        return true;
    }
    const QString t = toDocument(text);
    if (t == documentText(plain_))
        return false;
    plain_->setPlainText(t);
    return true;
}

QString TextBox::toolTipShown() const { return line_ ? static_cast<const LineBox*>(line_)->toolTipShown() : toolTip(); }

bool TextBox::readOnly() const { return line_ ? line_->isReadOnly() : plain_->isReadOnly(); }

void TextBox::setReadOnly(bool on)
{
    readOnly_ = on;
    applyReadOnly();
}

void TextBox::applyReadOnly()
{
    const bool on = readOnly_ || !showsWhole();
    if (line_)
        line_->setReadOnly(on);
    else
        plain_->setReadOnly(on);
}

namespace {
// Positions inside a multi-line box count a line break as the two characters CR LF.
int toCrLfPosition(const QPlainTextEdit* e, int position)
{
    return position + e->document()->findBlock(position).blockNumber();
}

int fromCrLfPosition(const QPlainTextEdit* e, int position)
{
    int plain = position;
    for (QTextBlock b = e->document()->begin(); b.isValid(); b = b.next()) {
        const int endOfBlock = toCrLfPosition(e, b.position() + b.length() - 1);
        if (position <= endOfBlock)
            return position - b.blockNumber();
        plain = position - b.blockNumber() - 1;
    }
    return std::max(0, plain);
}
} // namespace

int TextBox::selStart() const
{
    if (line_)
        return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    return toCrLfPosition(plain_, plain_->textCursor().selectionStart());
}

int TextBox::selectionEnd() const
{
    if (line_)
        return line_->hasSelectedText() ? line_->selectionEnd() : line_->cursorPosition();
    return toCrLfPosition(plain_, plain_->textCursor().selectionEnd());
}

int TextBox::selLength() const { return selectionEnd() - selStart(); }

void TextBox::setSelection(int start, int length)
{
    if (line_) {
        line_->setSelection(start, length);
        return;
    }
    QTextCursor c = plain_->textCursor();
    c.setPosition(fromCrLfPosition(plain_, start));
    c.setPosition(fromCrLfPosition(plain_, start + length), QTextCursor::KeepAnchor);
    plain_->setTextCursor(c);
}

void TextBox::insertAtCursor(const QString& text)
{
    if (line_)
        line_->insert(text);
    else
        plain_->insertPlainText(toDocument(text));
}

// --- OptionButton

namespace {
QRadioButton* makeOption(ControlEvents& events, QWidget* parent)
{
    auto* r = new HookedWidget<WrappingCaption<QRadioButton>>(events, parent);
    r->clickFromSignal = true;
    QObject::connect(r, &QRadioButton::clicked, r, [r, &events] { raiseUserClick(r, events); });
    return r;
}
} // namespace

OptionButton::OptionButton(ControlParent& parent, const QString& caption)
    : Control(makeOption(*this, parent.area()), ButtonFace, Black)
{
    setCaption(caption);
}

QString OptionButton::caption() const { return asGiven(static_cast<QRadioButton*>(widget())->text()); }
void OptionButton::setCaption(const QString& caption) { static_cast<QRadioButton*>(widget())->setText(shownAsIs(caption)); }
int OptionButton::captionLines() const
{
    return static_cast<const WrappingCaption<QRadioButton>*>(widget())->captionLines();
}

bool OptionButton::value() const { return static_cast<QRadioButton*>(widget())->isChecked(); }

void OptionButton::setValue(bool on)
{
    auto* r = static_cast<QRadioButton*>(widget());
    // Setting one clears the others of its container, as a click would.
    if (on) {
        r->setChecked(true);
        return;
    }
    // An exclusive radio button cannot be unset directly.
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(true);
}

// --- CheckBox

namespace {
QCheckBox* makeCheck(ControlEvents& events, QWidget* parent)
{
    auto* c = new HookedWidget<WrappingCaption<QCheckBox>>(events, parent);
    c->clickFromSignal = true;
    QObject::connect(c, &QCheckBox::clicked, c, [c, &events] { raiseUserClick(c, events); });
    return c;
}
} // namespace

CheckBox::CheckBox(ControlParent& parent, const QString& caption)
    : Control(makeCheck(*this, parent.area()), ButtonFace, Black)
{
    setCaption(caption);
}

QString CheckBox::caption() const { return asGiven(static_cast<QCheckBox*>(widget())->text()); }
void CheckBox::setCaption(const QString& caption) { static_cast<QCheckBox*>(widget())->setText(shownAsIs(caption)); }
int CheckBox::captionLines() const { return static_cast<const WrappingCaption<QCheckBox>*>(widget())->captionLines(); }

bool CheckBox::value() const { return static_cast<QCheckBox*>(widget())->isChecked(); }
void CheckBox::setValue(bool ticked) { static_cast<QCheckBox*>(widget())->setChecked(ticked); }

// --- ComboBox

namespace {
QComboBox* makeCombo(ControlEvents& events, QWidget* parent)
{
    auto* c = new HookedWidget<QComboBox>(events, parent);
    c->clickFromSignal = true;
    QObject::connect(c, &QComboBox::currentIndexChanged, c, [&events] {
        if (events.Click)
            events.Click();
    });
    return c;
}
} // namespace

ComboBox::ComboBox(ControlParent& parent, const QString& designText)
    : Control(makeCombo(*this, parent.area()), Colours::White, Black)
{
    auto* c = static_cast<QComboBox*>(widget());
    c->setPlaceholderText(designText);
    c->setCurrentIndex(-1);
}

void ComboBox::addItem(const QString& item)
{
    auto* c = static_cast<QComboBox*>(widget());
    const QSignalBlocker block(c);
    const int index = c->currentIndex();
    c->addItem(item);
    c->setCurrentIndex(index);
}

void ComboBox::clear()
{
    auto* c = static_cast<QComboBox*>(widget());
    const QSignalBlocker block(c);
    c->clear();
}

int ComboBox::listCount() const { return static_cast<QComboBox*>(widget())->count(); }
QString ComboBox::list(int index) const { return static_cast<QComboBox*>(widget())->itemText(index); }
int ComboBox::listIndex() const { return static_cast<QComboBox*>(widget())->currentIndex(); }
void ComboBox::setListIndex(int index) { static_cast<QComboBox*>(widget())->setCurrentIndex(index); }

QString ComboBox::text() const
{
    auto* c = static_cast<QComboBox*>(widget());
    return c->currentIndex() < 0 ? c->placeholderText() : c->currentText();
}

// --- ListBox

namespace {
class ListWidget : public HookedWidget<QListWidget> {
public:
    ListWidget(ControlEvents& events, QWidget* parent) : HookedWidget<QListWidget>(events, parent)
    {
        clickFromSignal = true;
        // A click on the row already chosen is a click as well.
        connect(this, &QListWidget::currentRowChanged, this, [this, &events](int row) {
            changedByPress_ = true;
            if (row >= 0 && events.Click)
                events.Click();
        });
        connect(this, &QListWidget::itemClicked, this, [this, &events] {
            if (!changedByPress_ && !inDoubleClick_ && events.Click)
                events.Click();
            changedByPress_ = false;
        });
    }

    // A row's text is kept as given; it is shown without a trailing line break, and cut to what
    // the width can show (a character takes a pixel at least), so that a row of megabytes is
    // never laid out whole.
    void showRow(QListWidgetItem* row) const
    {
        const QString text = row->data(RowTextRole).toString();
        qsizetype end = text.size();
        while (end > 0 && (text.at(end - 1) == QLatin1Char('\n') || text.at(end - 1) == QLatin1Char('\r')))
            --end;
        row->setText(text.left(std::min<qsizetype>(end, width())));
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        changedByPress_ = false;
        HookedWidget<QListWidget>::mousePressEvent(e);
    }

    void resizeEvent(QResizeEvent* e) override
    {
        HookedWidget<QListWidget>::resizeEvent(e);
        if (e->size().width() <= e->oldSize().width())
            return;
        for (int i = 0; i < count(); ++i)
            showRow(item(i));
    }

    // Qt makes the first row current when the list takes the focus; that is no choice of the user.
    // The window's GotFocus comes after, free to choose a row itself.
    void focusInEvent(QFocusEvent* e) override
    {
        const bool noChoice = currentRow() < 0;
        {
            const QSignalBlocker block(this);
            QListWidget::focusInEvent(e);
            if (noChoice)
                setCurrentRow(-1);
        }
        raiseGotFocus(e);
    }

private:
    bool changedByPress_ = false;
};
} // namespace

ListBox::ListBox(ControlParent& parent)
    : Control(new ListWidget(*this, parent.area()), Colours::White, Black)
{
    // Rows longer than the box are cut off, as a list box does, rather than scrolled sideways.
    static_cast<QListWidget*>(widget())->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ListBox::addItem(const QString& item)
{
    auto* l = static_cast<ListWidget*>(widget());
    auto* row = new QListWidgetItem;
    row->setData(RowTextRole, item);
    l->showRow(row);
    l->addItem(row);
}

void ListBox::removeItem(int index)
{
    auto* l = static_cast<QListWidget*>(widget());
    const QSignalBlocker block(l);
    const int chosen = l->currentRow();
    delete l->takeItem(index);
    // The index follows the chosen row; a removed choice leaves none.
    if (index == chosen)
        l->setCurrentRow(-1);
    else
        l->setCurrentRow(index < chosen ? chosen - 1 : chosen);
}

void ListBox::clear()
{
    auto* l = static_cast<QListWidget*>(widget());
    const QSignalBlocker block(l);
    l->clear();
}

int ListBox::listCount() const { return static_cast<QListWidget*>(widget())->count(); }

QString ListBox::list(int index) const
{
    auto* row = static_cast<QListWidget*>(widget())->item(index);
    return row ? row->data(RowTextRole).toString() : QString();
}

int ListBox::listIndex() const { return static_cast<QListWidget*>(widget())->currentRow(); }
void ListBox::setListIndex(int index) { static_cast<QListWidget*>(widget())->setCurrentRow(index); }

int ListBox::fullWidth() const
{
    const auto* l = static_cast<QListWidget*>(widget());
    return toTwips(l->sizeHintForColumn(0) + 2 * l->frameWidth());
}

int ListBox::fullHeight() const
{
    const auto* l = static_cast<QListWidget*>(widget());
    int rows = 0;
    for (int i = 0; i < l->count(); ++i)
        rows += l->sizeHintForRow(i);
    return toTwips(rows + 2 * l->frameWidth());
}

// --- Frame

Frame::Frame(ControlParent& parent, const QString& caption)
    : Control(new HookedWidget<QGroupBox>(*this, parent.area()), ButtonFace, Black)
{
    setCaption(caption);
}

QString Frame::caption() const { return asGiven(static_cast<QGroupBox*>(widget())->title()); }
void Frame::setCaption(const QString& caption) { static_cast<QGroupBox*>(widget())->setTitle(shownAsIs(caption)); }
QWidget* Frame::area() const { return widget(); }

// --- PictureBox

namespace {
// A disabled picture box takes no clicks, and still shows its picture as it is.
class PictureLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        const QPixmap picture = pixmap();
        if (picture.isNull()) {
            QLabel::paintEvent(e);
            return;
        }
        // Stretched to the box.
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(contentsRect(), picture);
    }
};
} // namespace

PictureBox::PictureBox(ControlParent& parent)
    : Control(new HookedWidget<PictureLabel>(*this, parent.area()), ButtonFace, Black)
{
}

bool PictureBox::loadPicture(const QString& absolutePath)
{
    QPixmap pixmap;
    if (absolutePath.isEmpty() || !pixmap.load(absolutePath))
        return false;
    static_cast<QLabel*>(widget())->setPixmap(pixmap);
    pictureFile_ = absolutePath;
    return true;
}

void PictureBox::setPicture(const QPixmap& picture)
{
    static_cast<QLabel*>(widget())->setPixmap(picture);
    pictureFile_.clear();
}

bool PictureBox::hasPicture() const { return !static_cast<QLabel*>(widget())->pixmap().isNull(); }

void PictureBox::clearPicture()
{
    static_cast<QLabel*>(widget())->clear();
    pictureFile_.clear();
}

// --- Line

Line::Line(ControlParent& parent) : Control(new QFrame(parent.area()), Colours::Red, Colours::Red)
{
    // A line may be drawn across other controls; clicks go through it to them.
    widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    setBackColor(Colours::Red);
}

// --- Timer

Timer::Timer(ControlParent& parent) : timer_(new QTimer(parent.area()))
{
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { if (Tick) Tick(); });
}

Timer::~Timer() { delete timer_.data(); }
int Timer::interval() const { return timer_->interval(); }
void Timer::setInterval(int milliseconds) { timer_->setInterval(milliseconds); }
bool Timer::enabled() const { return timer_->isActive(); }

void Timer::setEnabled(bool running)
{
    if (running)
        timer_->start();
    else
        timer_->stop();
}

} // namespace zt
