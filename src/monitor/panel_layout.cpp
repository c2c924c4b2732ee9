#include "monitor/panel_layout.h"

#include <vector>

#include "panel/reglages.h"

namespace wardo::monitor {

namespace {

using panel::ModerationButtons;

// Levels 0 plain user, 1 owner, 2 operator plus, 3 operator, 4 friend. Buttons out of view lie far to
// the right (a Left of 11440 or more) or far down.
constexpr int kLevels = 5;

// The buttons whose Left changes with the level.
struct ButtonLeft {
    ui::Button ModerationButtons::*button;
    int left[kLevels];
};
// clang-format off
const ButtonLeft kLefts[] = {
    //                                     user   owner  op+     op      friend
    {&ModerationButtons::Couperemetmicro, {11480, 480,   480,    480,    11480}},
    {&ModerationButtons::Depunir,         {11480, 480,   480,    480,    11480}},
    {&ModerationButtons::Coupemicperm,    {11480, 480,   480,    480,    11480}},
    {&ModerationButtons::Remetmic,        {11440, 1440,  1440,   1440,   11440}},
    {&ModerationButtons::Metnoir,         {11480, 480,   11480,  11480,  11480}},
    {&ModerationButtons::Metbleu,         {11440, 1440,  111440, 111440, 11440}},
    {&ModerationButtons::MsgPerso,        {11480, 480,   480,    480,    480}},
    {&ModerationButtons::kick,            {12400, 2400,  2400,   2400,   12400}},
    {&ModerationButtons::Punish,          {12400, 2400,  2400,   2400,   12400}},
    {&ModerationButtons::Ban,             {12400, 2400,  2400,   12400,  12400}},
};

// The rest of one level's layout.
struct Layout {
    std::vector<const wchar_t*> menu;  // MenuCdesSupp's entries, in order
    int menuHeight;
    const wchar_t* heading;
    int mateTop;           // Top of matequi and quimate
    int annonceTop;        // Top of Diffannonce
    int sonsTop;           // Top of JoueSons
    bool sonsUnderPunish;  // JoueSons in the column of Punish (else at Left 2400)
    bool sonsWidthOfKick;  // JoueSons as wide as kick
    bool kickdirect, punishdirect, bandirect;
};

const Layout& layoutFor(int niveau) {
    static const Layout kLayouts[kLevels] = {
        // 0: plain user
        {.menu = {L"Envoyer code opme", L"Supprimer la salle"},
         .menuHeight = 420,
         .heading = L"Panel user noir",
         .mateTop = 14100, .annonceTop = 4100, .sonsTop = 3060,
         .sonsUnderPunish = false, .sonsWidthOfKick = true,
         .kickdirect = false, .punishdirect = false, .bandirect = false},
        // 1: owner
        {.menu = {L"Débannir", L"Passer OP simple", L"Passer OP plus", L"Envoyer code opme",
                  L"Gestion des salles", L"Banlist et oplist"},
         .menuHeight = 1200,
         .heading = L"Panel admin",
         .mateTop = 4320, .annonceTop = 4320, .sonsTop = 3915,
         .sonsUnderPunish = false, .sonsWidthOfKick = false,
         .kickdirect = true, .punishdirect = true, .bandirect = true},
        // 2: operator plus
        {.menu = {L"Débannir", L"Envoyer code opme", L"Gestion des salles", L"Banlist et oplist"},
         .menuHeight = 810,
         .heading = L"Panel OP plus",
         .mateTop = 4100, .annonceTop = 4320, .sonsTop = 3915,
         .sonsUnderPunish = false, .sonsWidthOfKick = false,
         .kickdirect = true, .punishdirect = true, .bandirect = true},
        // 3: operator
        {.menu = {L"Envoyer code opme", L"Supprimer la salle", L"Banlist et oplist"},
         .menuHeight = 615,
         .heading = L"Panel opérateur",
         .mateTop = 4100, .annonceTop = 4100, .sonsTop = 3495,
         .sonsUnderPunish = true, .sonsWidthOfKick = true,
         .kickdirect = true, .punishdirect = true, .bandirect = false},
        // 4: friend
        {.menu = {L"Envoyer code opme", L"Supprimer la salle"},
         .menuHeight = 420,
         .heading = L"Panel user bleu",
         .mateTop = 14100, .annonceTop = 4100, .sonsTop = 3060,
         .sonsUnderPunish = false, .sonsWidthOfKick = true,
         .kickdirect = false, .punishdirect = false, .bandirect = false},
    };
    return kLayouts[niveau];
}
// clang-format on

// A chosen "Rouge" shows its text in white.
constexpr ui::Color kWhite = 0xFFFFFF;
constexpr const wchar_t* kWords[5] = {L"noir", L"bleu", L"op", L"opplus", L"rouge"};

}  // namespace

PanelLayout::PanelLayout(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    for (int i = 1; i <= 5; ++i) panel_.Statut(i).onClick = [this, i] { Statut_Click(i); };
}

void PanelLayout::Appliquerdroits(int niveau) {
    if (niveau >= 0 && niveau < kLevels) {
        const Layout& l = layoutFor(niveau);
        panel::Reglages& r = panel_;
        r.MenuCdesSupp.clear();
        r.MenuCdesSupp.setHeight(l.menuHeight);
        r.MenuCdesSupp.setLeft(panel::Reglages::kMenuCdesSuppLeft);
        for (const wchar_t* entry : l.menu) r.MenuCdesSupp.addItem(entry);

        r.microprio.setLeft(480);
        r.avertir.setLeft(2950);
        for (const ButtonLeft& b : kLefts) (r.*b.button).setLeft(b.left[niveau]);
        r.matequi.move(480, l.mateTop);
        r.quimate.move(1440, l.mateTop);
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
    panel_.Statut(5).setForeColor(panel::SettingsPane::kStatutTexte);
    for (int i = 1; i <= 5; ++i) panel_.Statut(i).setBackColor(kWhite);
    if (choisi == 0) return;
    panel_.Statut(choisi).setBackColor(panel::SettingsPane::kStatutChoisi[choisi - 1]);
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
