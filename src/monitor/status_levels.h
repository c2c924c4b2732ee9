// The robot's level in the room, as a number (what the layout uses) and as the word the settings store.
#pragma once
#include <optional>

#include "text/text.h"

namespace wardo::monitor {

// 1 "rouge" (owner), 2 "opplus", 3 "op", 4 "bleu" (friend), 0 "noir" (plain user); nothing for any other
// word (exact comparison).
std::optional<int> NiveauDuMot(const text::Text& mot);

}  // namespace wardo::monitor
