#include "commands/one_nick_commands.h"

#include "commands/room_commands.h"
#include "commands/target.h"
#include "panel/reglages.h"

namespace wardo::commands {

CommandesPseudo::CommandesPseudo(app::Program& program, panel::Reglages& panel)
    : program_(program), panel_(panel) {
    panel::Reglages& r = panel_;
    r.Depunir.onClick = [this] { commandeBouton({{L"/unpunish ", L"", 500}}); };
    r.Coupemicperm.onClick = [this] { commandeBouton({{L"/blockmic ", L"", 500}}); };
    r.Couperemetmicro.onClick = [this] {
        commandeBouton({{L"/blockmic ", L"", 500}, {L"/unblockmic ", L"", 500}});
    };
    r.Remetmic.onClick = [this] { commandeBouton({{L"/unblockmic ", L"", 500}}); };
    r.Metbleu.onClick = [this] {
        commandeBouton({{L"/oplist remove ", L"", 1000}, {L"/addfriend ", L"", 500}});
    };
    r.Metnoir.onClick = [this] { commandeBouton({{L"/oplist remove ", L"", 500}}); };
    r.matequi.onClick = [this] { commandeBouton({{L"/watchlist ", L"", 0}}); };
    r.quimate.onClick = [this] { commandeBouton({{L"/whowatching ", L"", 500}}); };
}

// The nickname goes in unchanged, blanks included, read when the line is built.
void CommandesPseudo::tape(const Ligne& ligne) {
    const Text pseudo = panel_.part<PseudoCible>().pseudo();
    EnvoieCommande(program_, ligne.avant + pseudo + ligne.apres, ligne.pauseMs);
}

void CommandesPseudo::commandeBouton(std::initializer_list<Ligne> lignes) {
    PseudoCible& cible = panel_.part<PseudoCible>();
    if (!cible.SiPseudo()) return;
    for (const Ligne& ligne : lignes) tape(ligne);
    cible.RetourBarreTaches();
}

void CommandesPseudo::Debannir() {
    tape({L"/banlist remove ", L"", 500});
}

// The add line goes twice.
void CommandesPseudo::PasseOpSimple() {
    tape({L"/oplist remove ", L"", 1000});
    tape({L"/oplist add ", L"", 1000});
    tape({L"/oplist add ", L"", 500});
}

void CommandesPseudo::PasseOpPlus() {
    tape({L"/oplist remove ", L"", 1000});
    tape({L"/oplist add ", L" +", 1000});
}

void CommandesPseudo::EnvoieCodeOpme() {
    if (!program_.CodeOpme.empty()) program_.room.EnvoieChat(L"/opme " + program_.CodeOpme);
    program_.platform.loop.sleep(500);
}

}  // namespace wardo::commands
