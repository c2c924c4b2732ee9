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

void closeImage(ui::Picture& image, ui::Frame& pane) {
    image.setContainer(&pane);
    image.move(3900, 60, 240, 240);
    pictureBesideProgram(image, kClosePicture);
}

}  // namespace wardo::panel
