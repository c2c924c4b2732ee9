// What the list editors share on screen: the numbers beside the rows of the list, and the browse and
// edit states of their two boxes and two button pairs.
#pragma once
#include "ui/basic_controls.h"
#include "ui/control_array.h"
#include "ui/text_box.h"

namespace wardo::editors {

constexpr ui::Color kBleu = 0xFF0000;   // the boxes' text while browsing
constexpr ui::Color kRouge = 0x0000FF;  // and while editing
constexpr int kRangee = 195;            // the height of one row of the list

// Numbers 1 to `count`, right-aligned at the left of the list, the first one at `top`, one a row.
void numeroteRangees(ui::ControlArray<ui::Label>& numeros, int count, int top);

// An editor's two boxes and its two button pairs. In the browse state "edit" and "delete" show; in the
// edit state "validate" and "cancel" stand in their places.
struct EtatsEdition {
    ui::TextBox& titre;
    ui::TextBox& valeur;
    ui::Button& editer;
    ui::Button& valider;
    ui::Button& effacer;
    ui::Button& annuler;

    void boutons(bool edition) const;
    void boites(ui::Color couleur, bool lectureSeule) const;
};

}  // namespace wardo::editors
