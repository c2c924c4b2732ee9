// Learning the robot's own nickname: it types its connection phrase and finds the line where the room
// shows it.
#include "app/principale.h"
#include "chatlink/identification.h"
#include "monitor/room_text_reader.h"
#include "panel/reglages.h"

namespace wardo::app {

void Principale::connection() {
    try {
        hide();
        program_.room.EnvoieChat(program_.TexteConnexion);
        platform().loop.sleep(250);
        platform().loop.doEvents();
        ChercheNomBot();
    } catch (const text::RuntimeError&) {
        // The identification ends quietly: the robot goes on without a nickname.
    }
}

void Principale::ChercheNomBot() {
    try {
        // The poller's own read: a pane that answers an absurd length ends the identification quietly.
        const Text texte = monitor::LitTexteSalle(program_.room);
        lignes = text::splitCrLf(texte);
        const long u = static_cast<long>(lignes.size()) - 1;
        if (u < 1) return;  // no complete line
        program_.DerniereLigneChat = lignes[static_cast<size_t>(u - 1)];
        program_.DerniereLigneTraitee = program_.DerniereLigneChat;
        if (u >= 32768) return;  // line positions are 16-bit
        bool trouve = false;
        for (long i = u; i >= 1 && !trouve; --i)
            trouve = text::find(lignes[static_cast<size_t>(i)], program_.TexteConnexion) > 0;
        if (!trouve) return;
        if (!recupnombot(texte)) return;
        program_.reglages().show();
    } catch (const text::RuntimeError&) {
    }
}

bool Principale::recupnombot(const Text& texteSalle) {
    lignes = text::splitCrLf(texteSalle);
    try {
        chatlink::ExtraitPseudo(lignes, program_.TexteConnexion, program_.PseudoRobot);
    } catch (const text::RuntimeError&) {
        return false;
    }
    if (!program_.PseudoRobot.empty())
        program_.reglages().pseudomodo.setCaption(L"de " + program_.PseudoRobot);
    return true;
}

}  // namespace wardo::app
