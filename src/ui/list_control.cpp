// List boxes and combo boxes.
#include "ui/list_control.h"

namespace wardo::ui {

namespace {
[[noreturn]] void invalid() {
    text::fail(text::ErrorCode::InvalidCall, "Invalid procedure call or argument");
}
}  // namespace

ListControl::ListControl(Form& form, ControlKind kind, Text name, int index)
    : Control(form, kind, std::move(name), index) {}

void ListControl::addItem(const Text& item, int index) {
    touch();
    const int count = static_cast<int>(items_.size());
    if (index < -1 || index > count) invalid();
    const int at = index == -1 ? count : index;
    items_.insert(items_.begin() + at, item);
    if (listIndex_ >= at) ++listIndex_;
    changed(Property::Items);
}

void ListControl::removeItem(int index) {
    touch();
    if (index < 0 || index >= static_cast<int>(items_.size())) invalid();
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    changed(Property::Items);
}

void ListControl::clear() {
    touch();
    items_.clear();
    listIndex_ = -1;
    changed(Property::Items);
}

Text ListControl::list(int index) const {
    touch();
    if (index < -1) invalid();
    if (index < 0 || index >= static_cast<int>(items_.size())) return {};
    return items_[index];
}

int ListControl::listCount() const {
    touch();
    return static_cast<int>(items_.size());
}

int ListControl::listIndex() const {
    touch();
    return listIndex_;
}

void ListControl::setListIndex(int index) {
    touch();
    if (index < -1 || index >= static_cast<int>(items_.size())) {
        failInvalidPropertyValue();
    }
    if (index == listIndex_) return;
    listIndex_ = index;
    changed(Property::ListIndex);
    selectionChanged();
    fire(onClick);
}

void ListControl::replaceItems(std::vector<Text> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    changed(Property::Items);
}

Text ListControl::text() const {
    return list(listIndex());
}

void ListControl::resetToDefaults() {
    Control::resetToDefaults();
    items_.clear();
    listIndex_ = -1;
}

bool ListControl::userSelect(int index) {
    if (!reachable() || index < -1 || index >= static_cast<int>(items_.size())) return false;
    if (index == listIndex_) {
        fire(onClick);  // picking the selected item again is still a click
    } else {
        setListIndex(index);
    }
    return true;
}

}  // namespace wardo::ui
