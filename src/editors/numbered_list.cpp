#include "editors/numbered_list.h"

namespace wardo::editors {

std::vector<settings::IniEntry> compactage(const Text& sectionTitres, const Text& sectionValeurs,
                                           const std::vector<Emplacement>& slots, OrdreEcriture ordre) {
    auto paire = [&](std::vector<settings::IniEntry>& out, const Text& cle, const Emplacement& e) {
        const settings::IniEntry titre{sectionTitres, cle, e.titre};
        const settings::IniEntry valeur{sectionValeurs, cle, e.valeur};
        if (ordre == OrdreEcriture::TitreAvant) {
            out.push_back(titre);
            out.push_back(valeur);
        } else {
            out.push_back(valeur);
            out.push_back(titre);
        }
    };
    std::vector<settings::IniEntry> writes;
    for (size_t k = 1; k <= slots.size(); ++k) paire(writes, text::decimal(static_cast<long long>(k)), {});
    long long compteur = 0;
    for (const Emplacement& e : slots) {
        if (e.titre.empty()) continue;
        paire(writes, text::decimal(++compteur), e);
    }
    return writes;
}

Text surUneLigne(const Text& s) {
    Text out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'\r' || s[i] == L'\n') {
            if (s[i] == L'\r' && i + 1 < s.size() && s[i + 1] == L'\n') ++i;
            out += L' ';
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace wardo::editors
