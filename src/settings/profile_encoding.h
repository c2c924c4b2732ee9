// The byte forms of a settings file: the ANSI code page, or UTF-8 / UTF-16 when the file starts with
// their byte-order mark, as the system's profile functions accept. Texts hold UTF-16 units.
#pragma once
#include <string>

#include "text/text.h"

namespace wardo::settings {

enum class ProfileEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct DecodedProfile {
    ProfileEncoding encoding = ProfileEncoding::Ansi;
    text::Text text;  // without the byte-order mark
};

DecodedProfile decodeProfile(const std::string& bytes);
// Back to bytes in the same form, byte-order mark included. An ANSI file that was decoded and encoded
// again is unchanged byte for byte.
std::string encodeProfile(const text::Text& text, ProfileEncoding encoding);

}  // namespace wardo::settings
