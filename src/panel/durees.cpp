#include "panel/durees.h"

namespace wardo::panel {

void remplitDurees(ui::ComboBox& liste, std::span<const Duree> durees, const text::Text& code) {
    liste.clear();
    for (const Duree& d : durees) liste.addItem(d.entree);
    for (size_t i = 0; i < durees.size(); ++i)
        if (code == durees[i].code) liste.setListIndex(static_cast<int>(i));
}

std::optional<text::Text> codeDeDuree(std::span<const Duree> durees, const text::Text& entree) {
    for (const Duree& d : durees)
        if (entree == d.entree) return text::Text(d.code);
    return std::nullopt;
}

}  // namespace wardo::panel
