// Loading the panel: its shape, menus, caption and place, the stored settings, the skin and the layout.
#include <algorithm>
#include <cmath>

#include "cipher/crypt_text.h"
#include "cipher/keys.h"
#include "commands/entry_sound.h"
#include "monitor/panel_layout.h"
#include "monitor/status_levels.h"
#include "panel/design_pictures.h"
#include "panel/reglages.h"
#include "panel/skin_files.h"
#include "settings/settings_file.h"

namespace wardo::panel {

namespace {

// Twips to the screen's pixels, halves to the even number: the region must cover the window as the
// screen draws it, close and minimise images included, whatever its dots per inch.
int regionPixels(int twips, int twipsPerPixel) {
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / std::max(1, twipsPerPixel)));
}

}  // namespace

void Reglages::onLoad() {
    app::Program& p = program_;
    p.DossierConfig = settings::DossierConfigFrom(platform().env);
    DossierSkins = p.DossierConfig + L"skins\\";
    // Read once: the one key stored meanwhile, Mode, is not read again.
    const settings::IniLu ini = p.ouvreIni();

    const auto& screen = platform().screen;
    if (ini.lit(L"Parametres", L"Largeur") != L"D") {
        setRegion({true, regionPixels(width(), screen.twipsPerPixelX),
                   regionPixels(height(), screen.twipsPerPixelY), 15, 15});
    }

    MenuConfig.clear();
    MenuConfig.setLeft(360);
    for (const wchar_t* item : {L"Réglages de base", L"Raisons", L"Annonces", L"Sons", L"Skins"})
        MenuConfig.addItem(item);
    MenuAide.clear();
    MenuAide.addItem(L"Aide");
    MenuAide.addItem(L"A propos");

    setCaption(L"Wardo - V " + p.VersionRobot);
    setTop((screen.heightTwips - height()) / 2);
    setLeft((screen.widthTwips - width()) / 2);

    chargeReglages(ini);

    part<monitor::PanelLayout>().Appliquerdroits(p.NiveauStatut);
    PanneauLance = false;
}

void Reglages::chargeReglages(const settings::IniLu& ini) {
    app::Program& p = program_;
    auto lit = [&ini](const wchar_t* key) { return ini.lit(L"Parametres", key); };

    p.AnnonceSonoreActive = lit(L"AnnSonore") == L"O";
    p.AccueilActif = lit(L"SalutNouvUser") == L"O";

    ChoixSonEntree = lit(L"BipEntree");
    if (ChoixSonEntree.empty()) ChoixSonEntree = L"1";
    // Any other choice leaves the entry sound's path as it was: no entry sound plays.
    if (ChoixSonEntree == L"1" || ChoixSonEntree == L"2" || ChoixSonEntree == L"3")
        p.CheminSonEntree = commands::FichierSonEntree(p, ChoixSonEntree);

    if (lit(L"Mode").empty()) p.EcritIni(L"Parametres", L"Mode", L"Wardo");

    p.SignatureActive = lit(L"Signekick") != L"N";
    p.DingAutorise = lit(L"AvecDing") != L"N";
    p.IgnoreReentrantActif = lit(L"IgnoreReentrant") != L"N";
    p.RetourBarreTachesActif = lit(L"RetBarreTaches") == L"O";

    p.CodeDureePunish = lit(L"DureePunish");
    if (p.CodeDureePunish.empty()) p.CodeDureePunish = L"1h";
    p.CodeDureeBan = lit(L"DureeBan");
    if (p.CodeDureeBan.empty()) p.CodeDureeBan = L"15j";

    const Text typeBan = lit(L"Type Ban");
    if (typeBan == L"IP+Pseudo") {
        banippseudo.setValue(true);
    } else if (typeBan.empty() || typeBan == L"Pseudo") {
        banpseudo.setValue(true);
        banippseudo.setValue(false);
    }

    p.MotStatut = lit(L"Statut");
    if (p.MotStatut.empty()) p.MotStatut = L"rouge";
    if (const auto niveau = monitor::NiveauDuMot(p.MotStatut)) p.NiveauStatut = *niveau;

    p.TexteAccueil = lit(L"PhraseAccueil");
    if (p.TexteAccueil.empty()) p.TexteAccueil = L"(*)$N, bonjour, bienvenue sur notre room ! (*)";

    p.CleTexte = cipher::CleTexte();
    const Text codeChiffre = lit(L"CodeOPME");
    p.CodeOpme = codeChiffre.empty() ? Text() : cipher::HexVersDechiffre(codeChiffre, p.CleTexte);

    const Text touche = lit(L"ToucheMicro");
    if (touche.empty()) {
        p.CodeToucheMicro = 40;
    } else {
        try {
            p.CodeToucheMicro = text::roundInt32(text::val(touche));
        } catch (const text::RuntimeError&) {
            p.CodeToucheMicro = 0;  // no key code is that large: no key
        }
    }
    p.ToucheMicroActive = true;

    p.BipActif = lit(L"AvecBip") != L"0";

    NomSkin = lit(L"Skin");
    if (!NomSkin.empty()) {
        try {
            menuco.setPicture(CheminSkin(platform().files, DossierSkins, NomSkin));
        } catch (const text::RuntimeError&) {
            // A skin that is gone or is no bitmap: the title keeps its own picture.
        }
    }
}

}  // namespace wardo::panel
