// The settings pane "Réglages de base" (Frame1) and its error frame.
#pragma once
#include "ui/control_array.h"
#include "ui/ui.h"

namespace wardo::panel {

class SettingsPane {
public:
    explicit SettingsPane(ui::Form& form) : f_(form) {}

    // The level buttons Statut(1) to Statut(5): each one's background when chosen, and their text.
    static constexpr ui::Color kStatutChoisi[5] = {0x808080, 0xFFFF80, 0x80FF80, 0x00FF00, 0x0000FF};
    static constexpr ui::Color kStatutTexte = 0x004000;

private:
    ui::Form& f_;

public:
    ui::Frame Frame1{f_, L"Frame1"};
    // "Sur la room je suis :", "Son entrée user ", "Phrase accueil", "$N = pseudo", "Phrase de connexion",
    // "Durée punish", "Durée ban", "Code OPME", "Touche micro".
    ui::ControlArray<ui::Label> LabelReglages{f_, L"LabelReglages", 0, 8};
    ui::ControlArray<ui::Button> Statut{f_, L"Statut", 1, 5};
    ui::ControlArray<ui::Button> Signal{f_, L"Signal", 1, 4};
    ui::OptionButton AvecAccueil{f_, L"AvecAccueil"};
    ui::OptionButton SansAccueil{f_, L"SansAccueil"};
    ui::TextBox Text1{f_, L"Text1"};
    ui::TextBox Text2{f_, L"Text2"};
    ui::CheckBox SignerActions{f_, L"SignerActions"};
    ui::CheckBox pasdeding{f_, L"pasdeding"};
    ui::CheckBox RetourBarreTaches{f_, L"RetourBarreTaches"};
    ui::CheckBox IgnorerReentrant{f_, L"IgnorerReentrant"};
    ui::ComboBox ListPunish{f_, L"ListPunish"};
    ui::ComboBox ListBan{f_, L"ListBan"};
    ui::Frame FrameTypeBan{f_, L"FrameTypeBan"};
    ui::OptionButton banpseudo{f_, L"banpseudo"};
    ui::OptionButton banippseudo{f_, L"banippseudo"};
    ui::TextBox saisieCodeOPME{f_, L"saisieCodeOPME"};
    ui::Button ChoixTouchePriseMicro{f_, L"ChoixTouchePriseMicro"};
    ui::Button ValiderChoix{f_, L"ValiderChoix"};
    ui::Frame FrameErreur{f_, L"FrameErreur"};
    ui::Label Label72{f_, L"Label72"};

protected:
    void designSettingsPane();
};

}  // namespace wardo::panel
