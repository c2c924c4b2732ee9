// The moderation buttons of the panel. The level layout moves them into and out of view.
#pragma once
#include "ui/ui.h"

namespace wardo::panel {

class ModerationButtons {
public:
    explicit ModerationButtons(ui::Form& form) : f_(form) {}

private:
    ui::Form& f_;

public:
    ui::Button microprio{f_, L"microprio"};
    ui::Button avertir{f_, L"avertir"};
    ui::Button Couperemetmicro{f_, L"Couperemetmicro"};
    ui::Button kick{f_, L"kick"};
    ui::Button kickdirect{f_, L"kickdirect"};
    ui::Button Depunir{f_, L"Depunir"};
    ui::Button Punish{f_, L"Punish"};
    ui::Button punishdirect{f_, L"punishdirect"};
    ui::Button Coupemicperm{f_, L"Coupemicperm"};
    ui::Button Remetmic{f_, L"Remetmic"};
    ui::Button Ban{f_, L"Ban"};
    ui::Button Bandirect{f_, L"Bandirect"};
    ui::Button Metnoir{f_, L"Metnoir"};
    ui::Button Metbleu{f_, L"Metbleu"};
    ui::Button JoueSons{f_, L"JoueSons"};
    ui::Button MiseEnPause{f_, L"MiseEnPause"};
    ui::Button matequi{f_, L"matequi"};
    ui::Button quimate{f_, L"quimate"};
    ui::Button Diffannonce{f_, L"Diffannonce"};
    ui::Button MsgPerso{f_, L"MsgPerso"};
    ui::Button Recomanu{f_, L"Recomanu"};
    ui::Button Reconnexion{f_, L"Reconnexion"};

protected:
    void designButtons();
};

}  // namespace wardo::panel
