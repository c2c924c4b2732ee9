// Attaching to the room's window: the automatic search, the silent re-search and the handle display.
#include <iterator>
#include <string_view>

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

namespace {

// The label shows the handle in decimal. Written only when the text changes: a caption write is a
// window message to the label, and nearly every tick shows the same handles. Nothing is allocated.
void montre(ui::Label& label, platform::WindowHandle handle) {
    wchar_t chiffres[12];
    wchar_t* debut = std::end(chiffres);
    long long reste = handle < 0 ? -static_cast<long long>(handle) : handle;
    do {
        *--debut = static_cast<wchar_t>(L'0' + reste % 10);
        reste /= 10;
    } while (reste != 0);
    if (handle < 0) *--debut = L'-';
    const std::wstring_view texte(debut, static_cast<std::size_t>(std::end(chiffres) - debut));
    if (label.caption() != texte) label.setCaption(Text(texte));
}

}  // namespace

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
        montre(labels(i + 1), actuels[i]);
        montre(labels(i + 7), connexion[i]);
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
