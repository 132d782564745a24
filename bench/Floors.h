#pragma once
#include <QRect>
#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace zt {
class Form;
}

namespace zt::bench {

// The floor of loading a window: the same Qt widgets made bare (the same kinds and counts, places
// and texts; no handlers, no files), as the window stands after its load.
class BareWidgets {
public:
    explicit BareWidgets(const Form& loaded);
    // Makes the bare window and throws it away again.
    void build() const;
    int count() const { return static_cast<int>(items_.size()); }

private:
    enum class Kind { Button, Line, Plain, Option, Check, Combo, List, Group, Label, Other };
    struct Item {
        Kind kind;
        int parent; // index of the group it sits in, or -1
        QRect geometry;
        QString text;
        QStringList rows;
    };
    std::vector<Item> items_;
    QRect geometry_;
};

// The floor of an action on a window: repainting just the controls the action changes.
class ChangedControls {
public:
    // Call before and after one action; what differs between the two looks is what it changes.
    void before(const Form& form);
    void after(const Form& form);
    void repaint() const;
    int count() const { return static_cast<int>(changed_.size()); }

private:
    std::vector<std::pair<QWidget*, QString>> looks_;
    QWidget* focusBefore_ = nullptr;
    std::vector<QWidget*> changed_;
};

// A user action as the teacher waits for it: the action and the repaint it leaves pending.
void actAndPaint(const std::function<void()>& act);
// The floor of an action: one action shows what it changes, then only that is repainted.
void runRepaintFloor(benchmark::State& state, const Form& form, const std::function<void()>& act);

// The floor of a load: the bare widgets and the raw read of the window's files.
void runLoadFloor(benchmark::State& state, const BareWidgets& widgets, const QStringList& files);
// Registers "Load/<window>", the window made and opened as the teacher waits for it, beside
// "LoadFloor/<window>", and pairs them in the table.
struct LoadBenchmark {
    LoadBenchmark(const char* window, std::function<std::unique_ptr<Form>()> open, QStringList files);
};

// The floor of a save: the same bytes written as durably as every save writes (a synced
// temporary file renamed over the old one, the folder synced).
void runDurableWrite(benchmark::State& state, const QStringList& files);

} // namespace zt::bench
