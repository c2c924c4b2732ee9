#include "panel/skin_files.h"

namespace wardo::panel {

namespace {

constexpr const wchar_t* kBmp = L".bmp";

}  // namespace

std::vector<SkinFile> ListeSkins(platform::Files& files, const Text& dossier) {
    std::vector<SkinFile> skins;
    // Every file, filtered here: "*.bmp" may match other names through their short forms, and may
    // miss ".BMP" where the file system tells case apart.
    for (const Text& fichier : files.listFiles(dossier, L"*")) {
        const Text lowered = text::lower(fichier);
        if (lowered.ends_with(kBmp)) skins.push_back({text::replaceAll(lowered, kBmp, L""), fichier});
    }
    return skins;
}

Text CheminSkin(platform::Files& files, const Text& dossier, const Text& stocke) {
    if (files.fileExists(dossier + stocke)) return dossier + stocke;
    const Text cherche = text::lower(stocke);
    const std::vector<SkinFile> skins = ListeSkins(files, dossier);
    for (const SkinFile& s : skins)
        if (text::lower(s.fichier) == cherche) return dossier + s.fichier;
    for (const SkinFile& s : skins)
        if (s.nom + kBmp == cherche) return dossier + s.fichier;
    return dossier + stocke;
}

}  // namespace wardo::panel
