#include "panel/skins_pane.h"

#include "panel/reglages.h"
#include "panel/skin_files.h"

namespace wardo::panel {

SkinsPane::SkinsPane(app::Program& program, Reglages& panel) : program_(program), panel_(panel) {
    panel.List1.onClick = [this] { List1_Click(); };
    panel.choisir.onClick = [this] { choisir_Click(); };
    panel.Image5.onClick = [this] { Image5_Click(); };
}

void SkinsPane::DefinitSkins() {
    Reglages& r = panel_;
    r.List1.clear();
    fichiers_.clear();
    for (const SkinFile& skin : ListeSkins(program_.platform.files, r.DossierSkins)) {
        r.List1.addItem(skin.nom);
        fichiers_.push_back(skin.fichier);
    }
    if (r.List1.listCount() > 0) {
        r.List1.setListIndex(0);  // previews it
    } else {
        r.Image6.setPicture(L"");  // no skin: nothing left of an earlier preview
    }
    program_.platform.loop.doEvents();
    r.ouvreVolet(r.FrameSkins);
}

void SkinsPane::List1_Click() {
    Reglages& r = panel_;
    const int index = r.List1.listIndex();
    if (index < 0 || index >= static_cast<int>(fichiers_.size())) return;
    r.NomSkin = r.List1.text();
    try {
        r.Image6.setPicture(r.DossierSkins + fichiers_[index]);
    } catch (const text::RuntimeError&) {
        r.Image6.setPicture(L"");  // missing, damaged or no bitmap: an empty preview says so
    }
}

void SkinsPane::choisir_Click() {
    Reglages& r = panel_;
    const int index = r.List1.listIndex();
    if (index < 0 || index >= static_cast<int>(fichiers_.size())) return;
    try {
        r.menuco.setPicture(r.DossierSkins + fichiers_[index]);
    } catch (const text::RuntimeError&) {
        return;  // the title keeps its picture and nothing is stored: no start would show this skin
    }
    r.fermeVolet(r.FrameSkins);
    program_.EcritIni(L"Parametres", L"Skin", r.NomSkin + L".bmp");
}

void SkinsPane::Image5_Click() {
    panel_.fermeVolet(panel_.FrameSkins);
}

}  // namespace wardo::panel
