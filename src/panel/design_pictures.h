// The bitmaps that ship beside the program (generated with its sounds): the title picture and the
// close and minimise images.
#pragma once
#include "ui/picture.h"

namespace wardo::panel {

constexpr const wchar_t* kTitlePicture = L"titre.bmp";
constexpr const wchar_t* kClosePicture = L"fermer.bmp";
constexpr const wchar_t* kMinimisePicture = L"reduire.bmp";

// Gives the picture that file of the program's folder; without the file the picture shows none.
void pictureBesideProgram(ui::Picture& picture, const wchar_t* file);

}  // namespace wardo::panel
