// A control array: elements Name(first) .. Name(last), each registered with the form in index order.
#pragma once
#include <memory>
#include <vector>

#include "ui/control.h"

namespace wardo::ui {

template <class T>
class ControlArray {
public:
    ControlArray(Form& form, const Text& name, int first, int last) : first_(first) {
        for (int i = first; i <= last; ++i) items_.push_back(std::make_unique<T>(form, name, i));
    }

    // Index as the program writes it: Label78(3) is at(3). Out of range: subscript error.
    T& operator()(int index) const {
        if (index < first_ || index >= first_ + static_cast<int>(items_.size()))
            text::fail(text::ErrorCode::OutOfRange, "control array index out of range");
        return *items_[static_cast<size_t>(index - first_)];
    }
    int first() const { return first_; }
    int last() const { return first_ + static_cast<int>(items_.size()) - 1; }

private:
    int first_;
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace wardo::ui
