#include "Floors.h"
#include "BenchSupport.h"
#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <memory>

namespace zt::bench {

namespace {
// The controls of a window in the order Qt made them.
std::vector<QWidget*> controlsOf(const Form& form)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : form.window()->findChildren<QWidget*>())
        if (Control::owning(w))
            controls.push_back(w);
    return controls;
}

QString lookOf(QWidget* w)
{
    QString look = QString::number(w->isEnabled()) + QString::number(w->isVisible())
                   + w->palette().color(QPalette::Button).name() + w->palette().color(QPalette::Base).name();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        look += QString::number(b->isChecked()) + b->text();
    else if (auto* l = qobject_cast<QLineEdit*>(w))
        look += l->text();
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        look += p->toPlainText();
    else if (auto* c = qobject_cast<QComboBox*>(w))
        look += QString::number(c->currentIndex());
    else if (auto* label = qobject_cast<QLabel*>(w))
        look += label->text();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        look += g->title();
    return look;
}
} // namespace

BareWidgets::BareWidgets(const Form& loaded) : geometry_(loaded.window()->geometry())
{
    const std::vector<QWidget*> controls = controlsOf(loaded);
    std::map<const QWidget*, int> indexOf;
    for (QWidget* w : controls) {
        Item item{Kind::Other, -1, w->geometry(), QString(), {}};
        if (auto it = indexOf.find(w->parentWidget()); it != indexOf.end())
            item.parent = it->second;
        if (auto* b = qobject_cast<QRadioButton*>(w))
            item = {Kind::Option, item.parent, item.geometry, b->text(), {}};
        else if (auto* c = qobject_cast<QCheckBox*>(w))
            item = {Kind::Check, item.parent, item.geometry, c->text(), {}};
        else if (auto* p = qobject_cast<QPushButton*>(w))
            item = {Kind::Button, item.parent, item.geometry, p->text(), {}};
        else if (auto* l = qobject_cast<QLineEdit*>(w))
            item = {Kind::Line, item.parent, item.geometry, l->text(), {}};
        else if (auto* t = qobject_cast<QPlainTextEdit*>(w))
            item = {Kind::Plain, item.parent, item.geometry, t->toPlainText(), {}};
        else if (auto* c = qobject_cast<QComboBox*>(w)) {
            item.kind = Kind::Combo;
            for (int i = 0; i < c->count(); ++i)
                item.rows << c->itemText(i);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            item.kind = Kind::List;
            for (int i = 0; i < list->count(); ++i)
                item.rows << list->item(i)->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(w))
            item = {Kind::Group, item.parent, item.geometry, g->title(), {}};
        else if (auto* label = qobject_cast<QLabel*>(w))
            item = {Kind::Label, item.parent, item.geometry, label->text(), {}};
        indexOf[w] = static_cast<int>(items_.size());
        items_.push_back(item);
    }
}

void BareWidgets::build() const
{
    auto window = std::make_unique<QWidget>();
    window->setGeometry(geometry_);
    std::vector<QWidget*> made;
    made.reserve(items_.size());
    for (const Item& item : items_) {
        QWidget* parent = item.parent >= 0 ? made[static_cast<std::size_t>(item.parent)] : window.get();
        QWidget* w = nullptr;
        switch (item.kind) {
        case Kind::Button: w = new QPushButton(item.text, parent); break;
        case Kind::Line: w = new QLineEdit(item.text, parent); break;
        case Kind::Plain: w = new QPlainTextEdit(item.text, parent); break;
        case Kind::Option: w = new QRadioButton(item.text, parent); break;
        case Kind::Check: w = new QCheckBox(item.text, parent); break;
        case Kind::Combo: {
            auto* c = new QComboBox(parent);
            c->addItems(item.rows);
            w = c;
            break;
        }
        case Kind::List: {
            auto* l = new QListWidget(parent);
            l->addItems(item.rows);
            w = l;
            break;
        }
        case Kind::Group: w = new QGroupBox(item.text, parent); break;
        case Kind::Label: w = new QLabel(item.text, parent); break;
        case Kind::Other: w = new QWidget(parent); break;
        }
        w->setGeometry(item.geometry);
        made.push_back(w);
    }
    benchmark::DoNotOptimize(made.data());
}

void ChangedControls::before(const Form& form)
{
    looks_.clear();
    for (QWidget* w : controlsOf(form))
        looks_.emplace_back(w, lookOf(w));
    focusBefore_ = QApplication::focusWidget();
}

// A control whose look changed, and the two between which the focus moved (their focus frames).
void ChangedControls::after(const Form&)
{
    changed_.clear();
    for (const auto& [w, look] : looks_)
        if (lookOf(w) != look || ((w == focusBefore_ || w == QApplication::focusWidget()) && focusBefore_ != QApplication::focusWidget()))
            changed_.push_back(w);
}

// Showing a changed text means laying it out anew; every other control is only drawn again.
void ChangedControls::repaint() const
{
    for (QWidget* w : changed_) {
        if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
            const QString shown = text->toPlainText();
            text->setPlainText(shown);
        }
        w->repaint();
    }
}

void actAndPaint(const std::function<void()>& act)
{
    act();
    QCoreApplication::processEvents();
}

void runRepaintFloor(benchmark::State& state, const Form& form, const std::function<void()>& act)
{
    ChangedControls changed;
    changed.before(form);
    actAndPaint(act);
    changed.after(form);
    for (auto _ : state)
        changed.repaint();
    state.counters["controls"] = changed.count();
}

void runLoadFloor(benchmark::State& state, const BareWidgets& widgets, const QStringList& files)
{
    for (auto _ : state) {
        widgets.build();
        for (const QString& file : files)
            benchmark::DoNotOptimize(readRaw(file));
    }
    state.counters["widgets"] = widgets.count();
}

LoadBenchmark::LoadBenchmark(const char* window, std::function<std::unique_ptr<Form>()> open, QStringList files)
{
    const std::string name(window);
    benchmark::RegisterBenchmark(("Load/" + name).c_str(), [open](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(open());
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("LoadFloor/" + name).c_str(), [open, files](benchmark::State& state) {
        runLoadFloor(state, BareWidgets(*open()), files);
    })->Unit(benchmark::kMicrosecond);
    Ratio(("Load/" + name).c_str(), ("LoadFloor/" + name).c_str());
}

void runDurableWrite(benchmark::State& state, const QStringList& files)
{
    std::vector<std::pair<QString, QString>> contents;
    for (const QString& file : files)
        contents.emplace_back(file, decodeFileText(readRaw(file)));
    for (auto _ : state)
        for (const auto& [file, text] : contents)
            if (!Files::writeText(file, text))
                state.SkipWithError("write failed");
}

} // namespace zt::bench
