// The windowless binding used by the native tests.
#include "ui/headless_host.h"

#include <algorithm>

#include "ui/form.h"

namespace wardo::ui {

std::wstring propertyName(Property p) {
    switch (p) {
        case Property::Position:
            return L"Position";
        case Property::Caption:
            return L"Caption";
        case Property::Visible:
            return L"Visible";
        case Property::Enabled:
            return L"Enabled";
        case Property::Colors:
            return L"Colors";
        case Property::ToolTip:
            return L"ToolTip";
        case Property::Font:
            return L"Font";
        case Property::Alignment:
            return L"Alignment";
        case Property::Value:
            return L"Value";
        case Property::Items:
            return L"Items";
        case Property::ListIndex:
            return L"ListIndex";
        case Property::EditStyle:
            return L"EditStyle";
        case Property::Picture:
            return L"Picture";
        case Property::Container:
            return L"Container";
        case Property::Focus:
            return L"Focus";
        case Property::WindowState:
            return L"WindowState";
        case Property::BorderStyle:
            return L"BorderStyle";
        case Property::MousePointer:
            return L"MousePointer";
        case Property::Region:
            return L"Region";
    }
    return L"?";
}

void HeadlessHost::formShown(Form& form, bool modal) {
    log.push_back(L"show " + form.name() + (modal ? L" modal" : L""));
    activate(&form);
}

void HeadlessHost::formHidden(Form& form) {
    log.push_back(L"hide " + form.name());
    leave(form);
}

void HeadlessHost::formUnloaded(Form& form) {
    log.push_back(L"unload " + form.name());
    handles_.erase(&form);
    leave(form);
}

void HeadlessHost::formDestroyed(Form& form) {
    handles_.erase(&form);
    std::erase(zOrder_, &form);
    if (active_ == &form) active_ = nullptr;
}

void HeadlessHost::controlChanged(Control& control, Property what) {
    if (recordChanges)
        log.push_back(control.form().name() + L"." + control.fullName() + L"." + propertyName(what));
}

void HeadlessHost::formChanged(Form& form, Property what) {
    if (recordChanges) log.push_back(form.name() + L"." + propertyName(what));
}

platform::WindowHandle HeadlessHost::handleOf(const Form& form) {
    auto it = handles_.find(&form);
    if (it != handles_.end()) return it->second;
    const platform::WindowHandle h = next_;
    next_ += 0x10;
    handles_[&form] = h;
    return h;
}

FrameInsets HeadlessHost::frameInsets(const Form& form) {
    // Classic metrics at 15 twips per pixel: 3-pixel fixed border, 4-pixel sizing border, 19-pixel caption.
    switch (form.borderStyle()) {
        case BorderStyle::None:
            return {0, 0};
        case BorderStyle::FixedSingle:
        case BorderStyle::FixedDialog:
            return {6 * 15, (19 + 6) * 15};
        case BorderStyle::Sizable:
            return {8 * 15, (19 + 8) * 15};
    }
    return {0, 0};
}

void HeadlessHost::beginDragMove(Form& form) {
    log.push_back(L"drag " + form.name());
}

void HeadlessHost::activate(Form* form) {
    std::erase(zOrder_, form);
    zOrder_.push_back(form);
    if (active_ == form) return;
    active_ = form;
    log.push_back(L"activate " + form->name());
    form->activated();
}

void HeadlessHost::leave(Form& form) {
    std::erase(zOrder_, &form);
    if (active_ != &form) return;
    active_ = nullptr;
    if (!zOrder_.empty()) activate(zOrder_.back());
}

}  // namespace wardo::ui
