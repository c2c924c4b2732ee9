// UTF-8 both ways, for texts of UTF-16 units whatever the width of wchar_t: a settings file saved in
// UTF-8 and the system code page 65001 read and write the same bytes.
#pragma once
#include <string>
#include <string_view>

namespace wardo::text {

// Each byte that starts no valid sequence becomes U+FFFD; characters past U+FFFF become surrogate pairs.
std::wstring fromUtf8(std::string_view bytes);
// Surrogate pairs join into one character; an unpaired surrogate, or a value past U+10FFFF, becomes
// U+FFFD (EF BF BD).
std::string toUtf8(std::wstring_view text);
// Appends one character as UTF-16 units: a surrogate pair past U+FFFF.
void appendCodePoint(std::wstring& out, char32_t codePoint);

}  // namespace wardo::text
