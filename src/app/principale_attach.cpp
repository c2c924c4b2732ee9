// Attaching to the room's window: the automatic search, the silent re-search and the handle display.
#include "app/principale.h"
#include "chatlink/attach.h"
#include "chatlink/pickers/connex_man.h"
#include "panel/reglages.h"

namespace wardo::app {

using chatlink::ChatControls;

platform::WindowHandle Principale::ChercheIEFrame() {
    return chatlink::ChercheIEFrame(program_.room);
}

bool Principale::ConnexAuto() {
    auto& room = program_.room;
    const auto browser = ChercheIEFrame();
    if (browser == 0) return false;
    const ChatControls controls = chatlink::RechercheComplete(room, browser);
    chatlink::StockeHandles(room, controls);
    const bool found = chatlink::PanneauComplet(controls);
    if (found) connection();
    return found;
}

bool Principale::ReConnexAuto() {
    auto& room = program_.room;
    chatlink::StockeHandles(room, chatlink::RechercheComplete(room, ChercheIEFrame()));
    return room.HandleTexteChat != 0 && room.HandleSaisieChat != 0 && room.HandleBoutonEnvoi != 0;
}

void Principale::affichehandles() {
    auto& room = program_.room;
    const ChatControls fresh = chatlink::RechercheComplete(room, ChercheIEFrame());
    const platform::WindowHandle actuels[6] = {fresh.panel, fresh.texte,  fresh.saisie,
                                               fresh.micro, fresh.micro2, fresh.envoi};
    const platform::WindowHandle connexion[6] = {room.HandlePanneauChat,  room.HandleTexteChatControle,
                                                 room.HandleSaisieChat,   room.HandleBoutonMicro,
                                                 room.HandleBoutonMicro2, room.HandleBoutonEnvoi};
    auto& labels = program_.reglages().Label78;
    for (int i = 0; i < 6; ++i) {
        labels(i + 1).setCaption(text::decimal(actuels[i]));
        labels(i + 7).setCaption(text::decimal(connexion[i]));
        labels(i + 7).setForeColor(connexion[i] == actuels[i] ? 0x000000 : 0x0000FF);
    }
}

void Principale::Connexionroom_Click() {
    const bool found = ConnexAuto();
    hide();
    if (!found) {
        // The user points at the room by hand; the picker hides itself once it has attached.
        program_.connexMan().show(true);
        if (platform().loop.quitting()) return;
    }
    // The panel shows even when the identification found no nickname: it is then the program's only
    // window.
    program_.reglages().show();
}

}  // namespace wardo::app
