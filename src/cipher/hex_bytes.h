// The hexadecimal form on bytes, beneath TexteVersHex and HexVersTexte, for the steps that must not
// cross the code page.
#pragma once
#include <functional>
#include <string>

#include "text/text.h"

namespace wardo::cipher {

// Two upper-case digits per byte, pending events handled after each one.
text::Text hexDesOctets(const std::string& codes, const std::function<void()>& pompeEvenements);
// The bytes that HexVersTexte converts to a text.
std::string octetsDeHex(const text::Text& hex);

}  // namespace wardo::cipher
