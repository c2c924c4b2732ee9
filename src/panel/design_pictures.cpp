#include "panel/design_pictures.h"

#include "ui/form.h"

namespace wardo::panel {

void pictureBesideProgram(ui::Picture& picture, const wchar_t* file) {
    auto& files = picture.form().platform().files;
    const text::Text path = files.programFolder() + file;
    if (!files.fileExists(path)) return;
    try {
        picture.setPicture(path);
    } catch (const text::RuntimeError&) {
        // A damaged file: the image simply stays empty.
    }
}

}  // namespace wardo::panel
