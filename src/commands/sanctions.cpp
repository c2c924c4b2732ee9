#include "commands/sanctions.h"

#include "commands/room_commands.h"
#include "commands/sanction_durations.h"
#include "commands/target.h"
#include "panel/reglages.h"

namespace wardo::commands {

using app::Program;

Sanctions::Sanctions(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    panel::Reglages& r = panel_;
    r.avertir.onClick = [this] { ouvreRaisons(&Program::ModeAvertir, kListeTop); };
    r.kick.onClick = [this] { ouvreRaisons(&Program::ModeKick, kListeKickTop); };
    r.Punish.onClick = [this] { ouvreRaisons(&Program::ModePunir, kListeTop); };
    r.Ban.onClick = [this] { ouvreRaisons(&Program::ModeBan, kListeTop); };
    r.Diffannonce.onClick = [this] { Diffannonce_Click(); };
    r.ListRaisons.onClick = [this] { ListRaisons_Click(); };
    r.RaisonPerso.onKeyPress = [this](int& keyAscii) { RaisonPerso_KeyPress(keyAscii); };

    // Without a reason, a target check or a return to the task bar.
    auto pseudo = [this] { return panel_.part<PseudoCible>().pseudo(); };
    r.kickdirect.onClick = [this, pseudo] {
        EnvoieCommande(program_, L"/kick " + pseudo() + L" " + Signature(program_));
    };
    r.punishdirect.onClick = [this, pseudo] { Punir(pseudo(), L"", Signature(program_)); };
    r.Bandirect.onClick = [this, pseudo] { Bannir(pseudo(), L"", Signature(program_)); };
}

void Sanctions::Punir(const Text& pseudo, const Text& raison, const Text& signature) {
    EnvoieCommande(program_,
                   L"/punish " + pseudo + DureePunir(program_.CodeDureePunish) + raison + signature);
}

void Sanctions::Bannir(const Text& pseudo, const Text& raison, const Text& signature) {
    platform::EventLoop& loop = program_.platform.loop;
    EnvoieCommande(program_, L"/banlist add deny nick " + pseudo + DureeBannir(program_.CodeDureeBan));
    loop.sleep(2000);
    loop.doEvents();
    if (panel_.banippseudo.value()) EnvoieCommande(program_, L"/banip " + pseudo);
    loop.sleep(2000);
    loop.doEvents();
    EnvoieCommande(program_, L"/kick " + pseudo + L" " + raison + signature);
}

// Each flag is tested on its own; the mode buttons leave at most one of them set.
void Sanctions::envoieSanction(const Text& pseudo, const Text& raison, const Text& signature) {
    Program& p = program_;
    if (p.ModeKick) EnvoieCommande(p, L"/kick " + pseudo + L" " + raison + signature);
    if (p.ModePunir) Punir(pseudo, raison, signature);
    if (p.ModeBan) Bannir(pseudo, raison, signature);
    if (p.ModeAvertir) EnvoieCommande(p, L"(st) " + pseudo + L" (st), " + raison);
    if (p.ModeAnnonce) EnvoieCommande(p, raison);
}

}  // namespace wardo::commands
