// The sound editor's file chooser: drive, folder and file lists, the preview of a clicked file and the
// copy of the chosen one into the sounds folder.
#include "editors/sons_edit.h"

namespace wardo::editors {

namespace {
Text racine(const Text& dossier) {
    return text::upper(ui::normalFolder(dossier.substr(0, 2)));
}
}  // namespace

// The chooser opens on the program's folder when it can, else on the root of the selected drive.
void SonsEdit::placeChoix() {
    auto& files = platform().files;
    Text depart = ui::normalFolder(files.programFolder());
    bool trouve = false;
    for (int i = 0; i < Drive1.listCount() && !trouve; ++i) {
        if (text::upper(Drive1.list(i)) == racine(depart) && files.folderExists(depart)) {
            Drive1.setListIndex(i);
            trouve = true;
        }
    }
    if (!trouve) depart = Drive1.drive();
    if (depart.empty() || !files.folderExists(depart)) return;
    Dir1.setPath(depart);
    File1.setPath(depart);
}

void SonsEdit::Drive1_Change() {
    if (retourDrive_) return;
    const Text avant = Dir1.path();
    try {
        Dir1.setPath(Drive1.drive());
    } catch (const text::RuntimeError&) {
        // A drive that cannot be read (no disc in it): the list goes back to the folder's drive.
        retourDrive_ = true;
        for (int i = 0; i < Drive1.listCount(); ++i)
            if (text::upper(Drive1.list(i)) == racine(avant)) Drive1.setListIndex(i);
        retourDrive_ = false;
    }
}

void SonsEdit::Dir1_Change() {
    File1.setPath(Dir1.path());
}

void SonsEdit::File1_Click() {
    const Text dossier = File1.path();
    const Text chemin =
        dossier + (!dossier.empty() && dossier.back() == L'\\' ? L"" : L"\\") + File1.fileName();
    joue(chemin);
    CheminChoisi = chemin;
    FichierWave.setText(File1.fileName());
}

bool SonsEdit::copieDansSons(const Text& nom) {
    if (nom.empty() || CheminChoisi.empty()) {
        prevenir(L"Aucun fichier WAV n'est choisi : cliquez sur un fichier de la liste avant de valider.");
        return false;
    }
    // The settings file keeps the name in the ANSI code page: a letter it cannot hold would come back as
    // "?", and the slot would name no file.
    if (text::fromAnsi(text::toAnsi(nom)) != nom) {
        prevenir(L"Le nom du fichier " + nom +
                 L" contient des caractères que Wardo ne peut pas enregistrer : renommez le fichier, puis "
                 L"choisissez-le de nouveau.");
        return false;
    }
    auto& files = platform().files;
    const Text dossier = program_.DossierConfig + L"Sons\\";
    const Text cible = dossier + nom;
    // A file chosen in the sounds folder itself is already where it belongs.
    if (text::lower(CheminChoisi) == text::lower(cible) && files.fileExists(cible)) return true;
    if (files.createFolder(dossier) && files.copyReplacing(CheminChoisi, cible)) return true;
    prevenir(L"Le fichier " + nom +
             L" n'a pas pu être copié dans le dossier des sons : le son n'a pas été changé.");
    return false;
}

void SonsEdit::prevenir(const Text& message) {
    platform().boxes.show(message, caption(), platform::BoxButtons::Ok, platform::BoxIcon::Exclamation);
}

}  // namespace wardo::editors
