// List boxes and drop-down combo boxes: a list of items and the index of the selected one (-1: none).
#pragma once
#include <vector>

#include "ui/control.h"

namespace wardo::ui {

class ListControl : public Control {
public:
    // Adds at `index` (0..listCount), or at the end when index is -1.
    void addItem(const Text& item, int index = -1);
    void removeItem(int index);  // 0..listCount-1
    void clear();
    // The item at `index`; "" past the end, as the classic List does.
    Text list(int index) const;
    int listCount() const;
    int listIndex() const;
    // -1..listCount-1; a new index raises Click.
    void setListIndex(int index);
    // The selected item; "" when none.
    Text text() const override;
    void resetToDefaults() override;

    // The user picked an item in the real list.
    bool userSelect(int index);

protected:
    ListControl(Form& form, ControlKind kind, Text name, int index);
    // After the selected index changed, before Click.
    virtual void selectionChanged() {}
    // Replaces every item at once, selection cleared, without Click (the file-system lists).
    void replaceItems(std::vector<Text> items);

private:
    std::vector<Text> items_;
    int listIndex_ = -1;
};

class ListBox : public ListControl {
public:
    ListBox(Form& form, Text name, int index = -1)
        : ListControl(form, ControlKind::ListBox, std::move(name), index) {}
};

class ComboBox : public ListControl {
public:
    ComboBox(Form& form, Text name, int index = -1)
        : ListControl(form, ControlKind::ComboBox, std::move(name), index) {}
};

}  // namespace wardo::ui
