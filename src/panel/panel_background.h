// The panel's fixed face: the title image, the menu titles, the heading, the target nickname and the
// diagnostic display of the room's handles.
#pragma once
#include "ui/control_array.h"
#include "ui/ui.h"

namespace wardo::panel {

class PanelBackground {
public:
    explicit PanelBackground(ui::Form& form) : f_(form) {}

private:
    ui::Form& f_;

public:
    ui::Picture menuco{f_, L"menuco"};  // the title image; its picture is the skin
    ui::Label Configurer{f_, L"Configurer"};
    ui::Label Label57{f_, L"Label57"};  // "Autres commandes"
    ui::Label Label58{f_, L"Label58"};  // "Aide"
    ui::Label Label1{f_, L"Label1"};    // the heading, per level
    ui::Label pseudomodo{f_, L"pseudomodo"};
    ui::Button ReyCommand{f_, L"ReyCommand"};  // "Alerte": the watched-nicknames editor
    ui::Button ToucheVoice{f_, L"ToucheVoice"};
    ui::Label Label15{f_, L"Label15"};  // "Pseudo"
    ui::Label Label2{f_, L"Label2"};    // the target nickname
    ui::TextBox PseudoManu{f_, L"PseudoManu"};
    ui::Label PseudoManquant{f_, L"PseudoManquant"};
    // The handle display, out of view: 0 is the header, 1-6 the handles found now, 7-12 those stored at
    // the attach; Label79 holds the row titles.
    ui::ControlArray<ui::Label> Label78{f_, L"Label78", 0, 12};
    ui::ControlArray<ui::Label> Label79{f_, L"Label79", 0, 5};

protected:
    void designBackground();
};

}  // namespace wardo::panel
