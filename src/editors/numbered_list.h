// The numbered list sections of the settings file (announcements, reasons, sounds): each slot a title
// and one other value under the same key, the slot number, in a pair of sections.
#pragma once
#include <vector>

#include "settings/settings_file.h"
#include "text/text.h"

namespace wardo::editors {

using text::Text;

// One slot as an editor holds it: used when its title is not empty.
struct Emplacement {
    Text titre;
    Text valeur;
};

// Which of a kept slot's two keys the compaction writes first.
enum class OrdreEcriture { TitreAvant, ValeurAvant };

// The writes of a delete: keys "1" to N of both sections emptied, then the used slots of `slots`
// (slot k at index k - 1) written again from key "1" in their order. Applied in order they give the
// compacted list; the caller stores them in one replacement of the file.
std::vector<settings::IniEntry> compactage(const Text& sectionTitres, const Text& sectionValeurs,
                                           const std::vector<Emplacement>& slots, OrdreEcriture ordre);

// A text as one line of the settings file: each line break (CR LF, lone CR, lone LF) becomes one blank.
Text surUneLigne(const Text& s);

}  // namespace wardo::editors
