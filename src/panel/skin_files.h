// The skins folder as the skins pane sees it: each bitmap under the name the list shows, and the file
// that a stored name stands for, found whatever the letter case of the file's own name.
#pragma once
#include <vector>

#include "platform/files.h"
#include "text/text.h"

namespace wardo::panel {

using text::Text;

struct SkinFile {
    Text nom;      // as listed: the file's name in lower case with every ".bmp" removed
    Text fichier;  // the file's own name in the folder
};

// The bitmaps of the folder (names ending ".bmp" in any case), in the file system's order; none when
// the folder is missing.
std::vector<SkinFile> ListeSkins(platform::Files& files, const Text& dossier);

// The path of the skin stored under `Skin` (a listed name followed by ".bmp"). The name itself when a
// file answers to it, else the first bitmap whose own name or listed name matches it, else the name
// (which then fails to load as a missing file).
Text CheminSkin(platform::Files& files, const Text& dossier, const Text& stocke);

}  // namespace wardo::panel
