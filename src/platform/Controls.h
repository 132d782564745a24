#pragma once
#include "Colour.h"
#include <QIcon>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLineEdit;
class QPixmap;
class QPlainTextEdit;

namespace zt {

// Where controls are placed: a form or a frame.
class ControlParent {
public:
    virtual ~ControlParent() = default;
    virtual QWidget* area() const = 0;
};

// The events a window can give its controls; a handler left empty means no reaction.
class ControlEvents {
public:
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> Change;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    // The handler may change the key or refuse it with 0.
    std::function<void(int& key)> KeyPress;
};

class Control : public ControlEvents {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    QWidget* widget() const { return widget_; }
    // The control whose widget this is, or nothing.
    static Control* owning(const QWidget* widget);
    // Raises LostFocus of the control that has the focus in the widget's window, unless that is
    // the widget's own control: its edit is handed over before anything else acts.
    static void handOverFocusedEdit(const QWidget* widget);

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    // The control's own flag, not whether its window is on screen.
    bool visible() const { return visible_; }
    void setVisible(bool on);

    Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour colour);

    // Geometry in twips, relative to the control's parent.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void move(int left, int top, int width, int height);

    QString toolTip() const;
    void setToolTip(const QString& tip);
    bool fontBold() const;
    void setFontBold(bool bold);
    double fontSize() const;
    void setFontSize(double points);
    // The system's fixed-pitch font, in the control's size and weight: blanks line up columns.
    void setFixedPitchFont();

    void setFocus();
    bool hasFocus() const;

protected:
    Control(QWidget* widget, Colour backColor, Colour foreColor);

private:
    void applyColours();

    QPointer<QWidget> widget_;
    // Kept as given: pixels would round them.
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool backColourGiven_;
    Colour backColor_;
    Colour foreColor_;
};

// The caption of a button, an option or a check box wraps at its blanks where the control is too
// narrow for it.
class CommandButton : public Control {
public:
    explicit CommandButton(ControlParent& parent, const QString& caption = QString());
    QString caption() const;
    void setCaption(const QString& caption);
    void setPicture(const QIcon& picture);
};

class Label : public Control {
public:
    explicit Label(ControlParent& parent, const QString& caption = QString());
    QString caption() const;
    void setCaption(const QString& caption);
};

class TextBox : public Control {
public:
    // The most characters a box shows and takes; up to it, typing stays quick. A longer text set by
    // the program is kept whole, but the box shows only its beginning and takes no input until it
    // is given a text it can hold.
    static constexpr int MaxLength = 100000;

    explicit TextBox(ControlParent& parent, bool multiLine = false);
    QString text() const;
    // Raises Change only when the text differs from the one shown; in a multi-line box CR LF and
    // a lone LF are the same line break, and a lone CR is kept as it is.
    void setText(const QString& text);
    bool multiLine() const { return multiLine_; }
    // False while the box keeps a text longer than it can show.
    bool showsWhole() const { return whole_.isNull(); }
    // What the pointer resting on the box shows: its own tip and, below it, the text of a one-line
    // box too narrow for it.
    QString toolTipShown() const;
    // Read-only as the window made it, or while it does not show its whole text.
    bool readOnly() const;
    void setReadOnly(bool on);
    int selStart() const;
    int selLength() const;
    // End of the current selection in characters; the caret when nothing is selected.
    int selectionEnd() const;
    void setSelection(int start, int length);
    void insertAtCursor(const QString& text);

    QLineEdit* lineEdit() const { return line_; }
    QPlainTextEdit* plainTextEdit() const { return plain_; }

private:
    // Shows the text as it is, without regard to its length; false when the box showed it already.
    bool show(const QString& text);
    void applyReadOnly();

    bool multiLine_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    bool readOnly_ = false;
    // The whole text while the box shows only its beginning; null otherwise.
    QString whole_;
};

class OptionButton : public Control {
public:
    explicit OptionButton(ControlParent& parent, const QString& caption = QString());
    QString caption() const;
    void setCaption(const QString& caption);
    // Lines the caption takes at the control's width.
    int captionLines() const;
    bool value() const;
    // Setting the value raises no Click: only the user's click does.
    void setValue(bool on);
};

class CheckBox : public Control {
public:
    explicit CheckBox(ControlParent& parent, const QString& caption = QString());
    QString caption() const;
    void setCaption(const QString& caption);
    int captionLines() const;
    bool value() const;
    void setValue(bool ticked);
};

class ComboBox : public Control {
public:
    // The design text shows while no item is chosen.
    explicit ComboBox(ControlParent& parent, const QString& designText = QString());
    void addItem(const QString& item);
    void clear();
    int listCount() const;
    QString list(int index) const;
    int listIndex() const;
    // Raises Click when the index changes, also when the program sets it.
    void setListIndex(int index);
    QString text() const;
};

class ListBox : public Control {
public:
    explicit ListBox(ControlParent& parent);
    // The row is kept whole; the list shows what its width can.
    void addItem(const QString& item);
    // The index follows the chosen row; removing the chosen row leaves none chosen.
    void removeItem(int index);
    void clear();
    int listCount() const;
    QString list(int index) const;
    int listIndex() const;
    void setListIndex(int index);
    // The width and the height in twips at which the list shows every row whole, without scrolling.
    int fullWidth() const;
    int fullHeight() const;
};

class Frame : public Control, public ControlParent {
public:
    explicit Frame(ControlParent& parent, const QString& caption = QString());
    QString caption() const;
    void setCaption(const QString& caption);
    QWidget* area() const override;
};

class PictureBox : public Control {
public:
    explicit PictureBox(ControlParent& parent);
    // Loads a picture file; false when it is missing or no picture, and the box keeps what it showed.
    bool loadPicture(const QString& absolutePath);
    // Shows a picture the program drew; it has no file.
    void setPicture(const QPixmap& picture);
    void clearPicture();
    bool hasPicture() const;
    // The file the box shows, for the window's own bookkeeping and for tests.
    QString pictureFile() const { return pictureFile_; }

private:
    QString pictureFile_;
};

// A straight line drawn in one colour (the back colour).
class Line : public Control {
public:
    explicit Line(ControlParent& parent);
};

class Timer {
public:
    explicit Timer(ControlParent& parent);
    ~Timer();
    int interval() const;
    void setInterval(int milliseconds);
    bool enabled() const;
    void setEnabled(bool running);
    std::function<void()> Tick;

private:
    QPointer<QTimer> timer_;
};

} // namespace zt
