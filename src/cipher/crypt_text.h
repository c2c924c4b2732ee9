// The text cipher: a text enciphered under a password, and the hexadecimal form that stores it in the
// settings file. No error leaves these functions: a failing step leaves its result empty.
#pragma once
#include <functional>

#include "platform/event_loop.h"
#include "text/text.h"

namespace wardo::cipher {

// The enciphered bytes of `texte` (ANSI code page) as a text of one character per byte; empty for an
// empty text. An empty password means the all-zero key.
text::Text CrypteTexte(const text::Text& texte, const text::Text& motDePasse);
// The deciphered text; empty when the bytes are not whole 32-byte blocks, or when their length word does
// not fit them, which a wrong password almost always gives (otherwise it gives garbage).
text::Text DecrypteTexte(const text::Text& texte, const text::Text& motDePasse);

// Two upper-case hexadecimal digits per character, its ANSI code. Pending events are handled after each
// character, so the text is taken as a copy: handlers that run meanwhile may change the caller's.
text::Text TexteVersHex(text::Text texte, const std::function<void()>& pompeEvenements);
text::Text TexteVersHex(text::Text texte, platform::EventLoop& boucle);
// Pairs of hexadecimal digits (either case) back to characters. A pair reads its digits up to the first
// character that is not one (none: code 0); an odd last character is read alone.
text::Text HexVersTexte(const text::Text& hex);

// The stored form of a secret (the operator code, the server's address): TexteVersHex of CrypteTexte,
// and back with DecrypteTexte of HexVersTexte, without the enciphered bytes crossing the code page in
// between: a multi-byte code page would not give most of them back unchanged. Under a code page of one
// byte per character the results are those of the two steps.
text::Text ChiffreVersHex(const text::Text& texte, const text::Text& motDePasse,
                          const std::function<void()>& pompeEvenements);
text::Text ChiffreVersHex(const text::Text& texte, const text::Text& motDePasse, platform::EventLoop& boucle);
text::Text HexVersDechiffre(const text::Text& hex, const text::Text& motDePasse);

}  // namespace wardo::cipher
