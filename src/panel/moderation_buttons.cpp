#include "panel/moderation_buttons.h"

namespace wardo::panel {

namespace {

struct ButtonDesign {
    ui::Button ModerationButtons::*button;
    int left, top, width;
    const wchar_t* caption;
    const wchar_t* toolTip;
};

// Every button is 345 high.
constexpr int kHeight = 345;

const ButtonDesign kButtons[] = {
    {&ModerationButtons::microprio, 480, 2160, 1100, L"Voice prio", L""},
    {&ModerationButtons::avertir, 2950, 2160, 1065, L"Avertir", L"Envoie un avertissement au user"},
    {&ModerationButtons::Couperemetmicro, 480, 2620, 1845, L"Coupe/Remet micro",
     L"Coupe et remet le micro du user."},
    {&ModerationButtons::kick, 2400, 2640, 1060, L"Kick", L"Sort le user du visio, avec raison au choix"},
    {&ModerationButtons::kickdirect, 3480, 2640, 555, L"direct",
     L"Sort le user immédiatement sans préciser de raison"},
    {&ModerationButtons::Depunir, 480, 3060, 1845, L"Dépunir", L"Dépunit le user"},
    {&ModerationButtons::Punish, 2400, 3060, 1060, L"Punir",
     L"Punit le user pendant le temps défini dans les réglages, avec raison au choix"},
    {&ModerationButtons::punishdirect, 3480, 3060, 555, L"direct",
     L"Punit  le user immédiatement sans préciser de raison"},
    {&ModerationButtons::Coupemicperm, 480, 3495, 920, L"Coupe mic", L"Coupe le micro du user."},
    {&ModerationButtons::Remetmic, 1440, 3495, 900, L"Remet mic", L"Remet le micro du user."},
    {&ModerationButtons::Ban, 2400, 3495, 1060, L"Bannir",
     L"Bannit le user pendant le temps défini dans les réglages, avec raison au choix"},
    {&ModerationButtons::Bandirect, 3480, 3480, 555, L"direct",
     L"Bannit le user immédiatement sans préciser de raison"},
    {&ModerationButtons::Metnoir, 480, 3915, 900, L"Met noir", L"Met le user en noir"},
    {&ModerationButtons::Metbleu, 1440, 3915, 900, L"Met bleu", L"Met le user en bleu"},
    {&ModerationButtons::JoueSons, 2400, 3915, 1060, L"Sons  ", L""},
    {&ModerationButtons::MiseEnPause, 3480, 3915, 555, L"Pause",
     L"Met la capture de pseudo en pause pendant 30 sec"},
    {&ModerationButtons::matequi, 480, 4320, 900, L"Mate qui", L"Permet de savoir qui le user regarde"},
    {&ModerationButtons::quimate, 1440, 4320, 900, L"Qui mate",
     L"Permet de savoir par qui le user est regardé"},
    {&ModerationButtons::Diffannonce, 2400, 4320, 840, L"Annoncer",
     L"Permet de diffuser une annonce sur le général"},
    {&ModerationButtons::MsgPerso, 480, 4725, 1570, L"Msg aux couleurs",
     L"Permet d'envoyer un message sur le général, visible uniquement par certaines couleurs au choix"},
    {&ModerationButtons::Recomanu, 2100, 4725, 945, L"Reco manu",
     L"Reconnexion manuelle au tchat après changement de salle, pour ne pas avoir à relancer Wardo."},
    {&ModerationButtons::Reconnexion, 3105, 4725, 945, L"Reco auto",
     L"Reconnexion automatique au tchat après changement de salle, pour ne pas avoir à relancer Wardo."},
};

}  // namespace

void ModerationButtons::designButtons() {
    for (const ButtonDesign& d : kButtons) {
        ui::Button& b = this->*d.button;
        b.move(d.left, d.top, d.width, kHeight);
        b.setCaption(d.caption);
        b.setToolTip(d.toolTip);
    }
}

}  // namespace wardo::panel
