// Attaching to the room's window: the automatic search, the silent re-search and the handle display.
#include "app/principale.h"
#include "chatlink/attach.h"
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
    chatlink::StockeHandles(room, chatlink::RechercheComplete(room, browser));
    const bool found = room.HandlePanneauChat != 0 && room.HandleTexteChat != 0 &&
                       room.HandleSaisieChat != 0 && room.HandleBoutonEnvoi != 0;
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
    if (ConnexAuto()) {
        hide();
        program_.reglages().show();
        return;
    }
    // The drag-and-drop picker is not there yet: say so and stay, rather than leave no window on screen.
    platform().boxes.show(
        L"La fenêtre de la salle est introuvable.\r\nOuvrez la salle, puis cliquez à nouveau sur "
        L"« Connexion à la salle ».",
        caption(), platform::BoxButtons::Ok, platform::BoxIcon::Exclamation);
}

}  // namespace wardo::app
