// TexteVersHex and HexVersTexte: the hexadecimal form of a text, two digits per ANSI code.
#include <algorithm>
#include <string>
#include <utility>

#include "cipher/crypt_text.h"
#include "cipher/hex_bytes.h"

namespace wardo::cipher {

namespace {

int hexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    return -1;
}

}  // namespace

text::Text hexDesOctets(const std::string& codes, const std::function<void()>& pompeEvenements) {
    text::Text hex;
    hex.reserve(2 * codes.size());
    for (char code : codes) {
        hex += text::hexOfByte(static_cast<std::uint8_t>(code));
        try {
            if (pompeEvenements) pompeEvenements();
        } catch (const text::RuntimeError&) {
            // A failing step is skipped; the conversion goes on.
        }
    }
    return hex;
}

text::Text TexteVersHex(text::Text texte, const std::function<void()>& pompeEvenements) {
    return hexDesOctets(text::toAnsi(texte), pompeEvenements);  // one byte per character
}

text::Text TexteVersHex(text::Text texte, platform::EventLoop& boucle) {
    return TexteVersHex(std::move(texte), [&boucle] { boucle.doEvents(); });
}

std::string octetsDeHex(const text::Text& hex) {
    std::string codes;
    codes.reserve(hex.size() / 2 + 1);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int value = 0;
        for (std::size_t k = i; k < std::min(i + 2, hex.size()); ++k) {
            const int digit = hexDigit(hex[k]);
            if (digit < 0) break;
            value = value * 16 + digit;
        }
        codes.push_back(static_cast<char>(value));
    }
    return codes;
}

text::Text HexVersTexte(const text::Text& hex) {
    return text::fromAnsi(octetsDeHex(hex));
}

}  // namespace wardo::cipher
