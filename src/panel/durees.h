// The punish and ban durations: the entries their lists on the settings pane show, and the short codes
// that the settings file and the commands use.
#pragma once
#include <optional>
#include <span>

#include "text/text.h"
#include "ui/list_control.h"

namespace wardo::panel {

struct Duree {
    const wchar_t* entree;
    const wchar_t* code;
};

inline constexpr Duree kDureesPunish[] = {
    {L"1 heure", L"1h"}, {L"2 heures", L"2h"}, {L"1 jour", L"1j"}, {L"2 jours", L"2j"}};
inline constexpr Duree kDureesBan[] = {
    {L"1 jour", L"1j"}, {L"15 jours", L"15j"}, {L"1 mois", L"1m"}, {L"1 an", L"1a"}, {L"à vie", L"def"}};

// Empties the list, fills it with the entries and selects the one of `code`; a code that no entry has
// leaves nothing selected.
void remplitDurees(ui::ComboBox& liste, std::span<const Duree> durees, const text::Text& code);
// The code of the list entry `entree`; nothing for a text that is no entry.
std::optional<text::Text> codeDeDuree(std::span<const Duree> durees, const text::Text& entree);

}  // namespace wardo::panel
