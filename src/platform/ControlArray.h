#pragma once
#include "Controls.h"
#include <map>
#include <memory>
#include <stdexcept>

namespace zt {

// Controls of one kind under one name, indexed from 0 and possibly sparse; one handler serves all
// and gets the index.
template <class T>
class ControlArray {
public:
    std::function<void(int)> Click;
    std::function<void(int)> DblClick;
    std::function<void(int)> Change;
    std::function<void(int)> GotFocus;
    std::function<void(int)> LostFocus;
    std::function<void(int, int& key)> KeyPress;

    ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    template <class... Args>
    T& add(int index, ControlParent& parent, Args&&... args)
    {
        auto control = std::make_unique<T>(parent, std::forward<Args>(args)...);
        T& c = *control;
        c.Click = [this, index] { if (Click) Click(index); };
        c.DblClick = [this, index] { if (DblClick) DblClick(index); };
        c.Change = [this, index] { if (Change) Change(index); };
        c.GotFocus = [this, index] { if (GotFocus) GotFocus(index); };
        c.LostFocus = [this, index] { if (LostFocus) LostFocus(index); };
        c.KeyPress = [this, index](int& key) { if (KeyPress) KeyPress(index, key); };
        controls_[index] = std::move(control);
        return c;
    }

    T& operator()(int index) const
    {
        auto it = controls_.find(index);
        if (it == controls_.end())
            throw std::out_of_range("control array index");
        return *it->second;
    }

    bool contains(int index) const { return controls_.count(index) != 0; }
    int lowerBound() const { return controls_.empty() ? 0 : controls_.begin()->first; }
    int upperBound() const { return controls_.empty() ? -1 : controls_.rbegin()->first; }

    template <class F>
    void forEach(F f) const
    {
        for (auto& [index, control] : controls_)
            f(index, *control);
    }

private:
    std::map<int, std::unique_ptr<T>> controls_;
};

} // namespace zt
