// The bitmaps that ship beside the program (generated with its sounds): the title picture and the
// close and minimise images, the push-to-talk keys.
#pragma once
#include "ui/basic_controls.h"
#include "ui/picture.h"

namespace wardo::panel {

constexpr const wchar_t* kTitlePicture = L"titre.bmp";
constexpr const wchar_t* kClosePicture = L"fermer.bmp";
constexpr const wchar_t* kMinimisePicture = L"reduire.bmp";
// The push-to-talk keys in their shared order: Alt, Ctrl, Left, Up, Down and Right arrows.
constexpr const wchar_t* kKeyPictures[6] = {L"touche_alt.bmp",  L"touche_ctrl.bmp", L"touche_gauche.bmp",
                                            L"touche_haut.bmp", L"touche_bas.bmp",  L"touche_droite.bmp"};

// Gives the picture that file of the program's folder; without the file the picture shows none.
void pictureBesideProgram(ui::Picture& picture, const wchar_t* file);
// A pane's close image, in its top right-hand corner.
void closeImage(ui::Picture& image, ui::Frame& pane);

}  // namespace wardo::panel
