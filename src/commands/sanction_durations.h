// The durations of a punishment and of a ban, as the room's commands spell them, from the settings'
// short codes; any other code (a hand-edited file) gives no duration, the room's own default.
#pragma once
#include "text/text.h"

namespace wardo::commands {

// "1h", "2h", "1j", "2j": " 1 hours ", ..., " 2 days " (a blank at both ends). Any other code gives
// one blank, so that the nickname and the reason stay apart.
text::Text DureePunir(const text::Text& code);
// "1j", "15j", "1m", "1a", "def": " expire day", ..., " no-expire" (a leading blank only).
text::Text DureeBannir(const text::Text& code);

}  // namespace wardo::commands
