#include "monitor/status_levels.h"

namespace wardo::monitor {

std::optional<int> NiveauDuMot(const text::Text& mot) {
    if (mot == L"rouge") return 1;
    if (mot == L"opplus") return 2;
    if (mot == L"op") return 3;
    if (mot == L"bleu") return 4;
    if (mot == L"noir") return 0;
    return std::nullopt;
}

}  // namespace wardo::monitor
