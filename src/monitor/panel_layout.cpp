#include "monitor/panel_layout.h"

#include <vector>

#include "panel/reglages.h"

namespace wardo::monitor {

namespace {

// One level's layout. Buttons out of view lie far to the right (a Left of 11440 or more) or far down.
struct Layout {
    std::vector<const wchar_t*> menu;  // MenuCdesSupp's entries, in order
    int menuHeight;
    const wchar_t* heading;
    int couperemetmicro, depunir, coupemicperm, remetmic, metnoir, metbleu, msgperso;  // Left
    int kick, punish, ban;                                                             // Left
    int mateTop;           // Top of matequi and quimate
    int annonceTop;        // Top of Diffannonce
    int sonsTop;           // Top of JoueSons
    bool sonsUnderPunish;  // JoueSons in the column of Punish (else at Left 2400)
    bool sonsWidthOfKick;  // JoueSons as wide as kick
    bool kickdirect, punishdirect, bandirect;
};

const Layout& layoutFor(int niveau) {
    static const Layout kLayouts[5] = {
        // 0: plain user
        {{L"Envoyer code opme", L"Supprimer la salle"},
         420,
         L"Panel user noir",
         11480,
         11480,
         11480,
         11440,
         11480,
         11440,
         11480,
         12400,
         12400,
         12400,
         14100,
         4100,
         3060,
         false,
         true,
         false,
         false,
         false},
        // 1: owner
        {{L"Débannir", L"Passer OP simple", L"Passer OP plus", L"Envoyer code opme", L"Gestion des salles",
          L"Banlist et oplist"},
         1200,
         L"Panel admin",
         480,
         480,
         480,
         1440,
         480,
         1440,
         480,
         2400,
         2400,
         2400,
         4320,
         4320,
         3915,
         false,
         false,
         true,
         true,
         true},
        // 2: operator plus
        {{L"Débannir", L"Envoyer code opme", L"Gestion des salles", L"Banlist et oplist"},
         810,
         L"Panel OP plus",
         480,
         480,
         480,
         1440,
         11480,
         111440,
         480,
         2400,
         2400,
         2400,
         4100,
         4320,
         3915,
         false,
         false,
         true,
         true,
         true},
        // 3: operator
        {{L"Envoyer code opme", L"Supprimer la salle", L"Banlist et oplist"},
         615,
         L"Panel opérateur",
         480,
         480,
         480,
         1440,
         11480,
         111440,
         480,
         2400,
         2400,
         12400,
         4100,
         4100,
         3495,
         true,
         true,
         true,
         true,
         false},
        // 4: friend
        {{L"Envoyer code opme", L"Supprimer la salle"},
         420,
         L"Panel user bleu",
         11480,
         11480,
         11480,
         11440,
         11480,
         11440,
         480,
         12400,
         12400,
         12400,
         14100,
         4100,
         3060,
         false,
         true,
         false,
         false,
         false},
    };
    return kLayouts[niveau];
}

constexpr int kMenuCdesSuppLeft = 1680;

// The level buttons' selected backgrounds, Statut(1) to Statut(5); the text stays dark green except
// on "Rouge", which turns white.
constexpr ui::Color kSelected[5] = {0x808080, 0xFFFF80, 0x80FF80, 0x00FF00, 0x0000FF};
constexpr ui::Color kDarkGreen = 0x004000;
constexpr ui::Color kWhite = 0xFFFFFF;
constexpr const wchar_t* kWords[5] = {L"noir", L"bleu", L"op", L"opplus", L"rouge"};

}  // namespace

PanelLayout::PanelLayout(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    for (int i = 1; i <= 5; ++i) panel_.Statut(i).onClick = [this, i] { Statut_Click(i); };
}

void PanelLayout::Appliquerdroits(int niveau) {
    if (niveau >= 0 && niveau <= 4) {
        const Layout& l = layoutFor(niveau);
        panel::Reglages& r = panel_;
        r.MenuCdesSupp.clear();
        r.MenuCdesSupp.setHeight(l.menuHeight);
        r.MenuCdesSupp.setLeft(kMenuCdesSuppLeft);
        for (const wchar_t* entry : l.menu) r.MenuCdesSupp.addItem(entry);

        r.microprio.setLeft(480);
        r.Couperemetmicro.setLeft(l.couperemetmicro);
        r.Depunir.setLeft(l.depunir);
        r.Coupemicperm.setLeft(l.coupemicperm);
        r.Remetmic.setLeft(l.remetmic);
        r.Metnoir.setLeft(l.metnoir);
        r.Metbleu.setLeft(l.metbleu);
        r.matequi.move(480, l.mateTop);
        r.quimate.move(1440, l.mateTop);
        r.MsgPerso.setLeft(l.msgperso);
        r.avertir.setLeft(2950);
        r.kick.setLeft(l.kick);
        r.Punish.setLeft(l.punish);
        r.Ban.setLeft(l.ban);
        r.Diffannonce.move(2400, l.annonceTop);
        // Punish and kick are read after this block placed them.
        r.JoueSons.move(l.sonsUnderPunish ? r.Punish.left() : 2400, l.sonsTop);
        if (l.sonsWidthOfKick) r.JoueSons.setWidth(r.kick.width());

        r.Label1.setCaption(l.heading);
        r.kickdirect.setVisible(l.kickdirect);
        r.punishdirect.setVisible(l.punishdirect);
        r.Bandirect.setVisible(l.bandirect);
        r.MiseEnPause.setTop(r.JoueSons.top());
    }
    program_.platform.loop.doEvents();
}

void PanelLayout::peintStatut(int choisi) {
    panel_.Statut(5).setForeColor(kDarkGreen);
    for (int i = 1; i <= 5; ++i) panel_.Statut(i).setBackColor(kWhite);
    if (choisi == 0) return;
    panel_.Statut(choisi).setBackColor(kSelected[choisi - 1]);
    if (choisi == 5) panel_.Statut(5).setForeColor(kWhite);
}

void PanelLayout::Statut_Click(int index) {
    peintStatut(index);
    program_.MotStatut = kWords[index - 1];
}

void PanelLayout::AffStatut() {
    int choisi = 0;
    for (int i = 1; i <= 5; ++i) {
        if (program_.MotStatut == kWords[i - 1]) choisi = i;
    }
    peintStatut(choisi);
}

}  // namespace wardo::monitor
