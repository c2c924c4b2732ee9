// Images and picture boxes.
#include "ui/picture.h"

#include "ui/form.h"

namespace wardo::ui {

Picture::Picture(Form& form, Text name, int index)
    : Control(form, ControlKind::Picture, std::move(name), index) {}

const Text& Picture::picture() const {
    touch();
    return picture_;
}

void Picture::setPicture(const Text& path) {
    touch();
    if (!path.empty()) {
        auto& files = form().platform().files;
        if (!files.fileExists(path)) text::fail(text::ErrorCode::FileNotFound, "File not found");
        // Every bitmap file begins with "BM"; the window system would show nothing for anything else.
        const auto bytes = files.readAll(path);
        if (!bytes || bytes->rfind("BM", 0) != 0)
            text::fail(text::ErrorCode::InvalidPicture, "Invalid picture");
    }
    picture_ = path;
    changed(Property::Picture);  // even for the same name: the file may have changed
}

bool Picture::stretch() const {
    touch();
    return stretch_;
}

void Picture::setStretch(bool s) {
    touch();
    if (store(stretch_, s)) changed(Property::Picture);
}

void Picture::resetToDefaults() {
    Control::resetToDefaults();
    picture_.clear();
    stretch_ = false;
}

}  // namespace wardo::ui
