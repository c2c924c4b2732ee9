// What comes over the panel while it works, declared last so that it lies above the rest: the custom
// reason, the capture pause, the watched-nickname alert, the pick lists, the drop-down menus, and the
// panel's close and minimise images.
#pragma once
#include "ui/control_array.h"
#include "ui/ui.h"

namespace wardo::panel {

class PanelOverlays {
public:
    explicit PanelOverlays(ui::Form& form) : f_(form) {}

private:
    ui::Form& f_;

public:
    ui::Frame FrameRaisonPerso{f_, L"FrameRaisonPerso"};
    ui::Label Label5{f_, L"Label5"};
    ui::Label Label74{f_, L"Label74"};
    ui::TextBox RaisonPerso{f_, L"RaisonPerso"};
    ui::Label Annuler{f_, L"Annuler"};

    ui::Frame FramePause{f_, L"FramePause"};
    ui::Label LabelPause{f_, L"LabelPause"};  // "EN PAUSE"
    ui::Label DecompteTempo{f_, L"DecompteTempo"};

    ui::Frame FrameAlerteUserEntre{f_, L"FrameAlerteUserEntré"};
    ui::Label LabelAlerte{f_, L"LabelAlerte"};  // "User mis en alerte entré !"
    ui::Label Label21{f_, L"Label21"};          // "Pseudo :"
    ui::Label PseudoEnAlerteArrive{f_, L"PseudoEnAlerteArrivé"};
    ui::Label LabelHeureAlerte{f_, L"LabelHeureAlerte"};  // "Heure d'arrivée :"
    ui::Label HeureArriveePseudoEnAlerte{f_, L"HeureArrivéePseudoEnAlerte"};
    ui::Picture Image2{f_, L"Image2"};

    ui::ListBox ListRaisons{f_, L"ListRaisons"};
    ui::ListBox ListeSons{f_, L"ListeSons"};

    ui::ListBox MenuConfig{f_, L"MenuConfig"};
    ui::ListBox MenuAide{f_, L"MenuAide"};
    ui::ListBox MenuCdesSupp{f_, L"MenuCdesSupp"};
    ui::ListBox MenuSalles{f_, L"MenuSalles"};
    ui::ListBox MenuListes{f_, L"MenuListes"};

    ui::Picture Image4{f_, L"Image4"};  // minimise
    ui::Picture Image3{f_, L"Image3"};  // close: ends the program

protected:
    void designOverlays();
};

}  // namespace wardo::panel
