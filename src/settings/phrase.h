// The character check of the connection phrase.
#pragma once
#include "text/text.h"

namespace wardo::settings {

// Lower-cases the caller's phrase in place, then tells whether each of its characters is one of
// "abcdefghijklmnopqrstuvwxyzéèàù?! 1234567890" (an empty phrase passes).
bool PhraseValide(text::Text& phrase);

}  // namespace wardo::settings
