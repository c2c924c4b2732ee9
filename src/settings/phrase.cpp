#include "settings/phrase.h"

namespace wardo::settings {

bool PhraseValide(text::Text& phrase) {
    static const text::Text kAlphabet = L"abcdefghijklmnopqrstuvwxyz\u00e9\u00e8\u00e0\u00f9?! 1234567890";
    phrase = text::lower(phrase);
    for (wchar_t c : phrase)
        if (kAlphabet.find(c) == text::Text::npos) return false;
    return true;
}

}  // namespace wardo::settings
