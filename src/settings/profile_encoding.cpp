#include "settings/profile_encoding.h"

#include <cstdint>

#include "text/utf8.h"

namespace wardo::settings {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

text::Text fromUtf16(const std::string& s, bool bigEndian) {
    text::Text out;
    for (size_t i = 2; i + 1 < s.size(); i += 2) {  // after the mark; an odd last byte is dropped
        const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
        out.push_back(static_cast<wchar_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
    }
    return out;
}

std::string toUtf16(const text::Text& t, bool bigEndian) {
    text::Text units;
    for (wchar_t c : t) {
        const auto u = static_cast<std::uint32_t>(c);
        if (u > 0xFFFF)
            text::appendCodePoint(units, u > 0x10FFFF ? kReplacement : static_cast<char32_t>(u));
        else
            units.push_back(c);
    }
    std::string out = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
    for (wchar_t c : units) {
        const auto hi = static_cast<char>((static_cast<std::uint32_t>(c) >> 8) & 0xFF);
        const auto lo = static_cast<char>(static_cast<std::uint32_t>(c) & 0xFF);
        out.push_back(bigEndian ? hi : lo);
        out.push_back(bigEndian ? lo : hi);
    }
    return out;
}

bool startsWith(const std::string& s, const char* mark, size_t n) {
    return s.size() >= n && s.compare(0, n, mark, n) == 0;
}

}  // namespace

DecodedProfile decodeProfile(const std::string& bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        return {ProfileEncoding::Utf8, text::fromUtf8(std::string_view(bytes).substr(3))};
    if (startsWith(bytes, "\xFF\xFE", 2)) return {ProfileEncoding::Utf16Le, fromUtf16(bytes, false)};
    if (startsWith(bytes, "\xFE\xFF", 2)) return {ProfileEncoding::Utf16Be, fromUtf16(bytes, true)};
    return {ProfileEncoding::Ansi, text::fromAnsi(bytes)};
}

std::string encodeProfile(const text::Text& text, ProfileEncoding encoding) {
    switch (encoding) {
        case ProfileEncoding::Utf8:
            return "\xEF\xBB\xBF" + text::toUtf8(text);
        case ProfileEncoding::Utf16Le:
            return toUtf16(text, false);
        case ProfileEncoding::Utf16Be:
            return toUtf16(text, true);
        case ProfileEncoding::Ansi:
            break;
    }
    return text::toAnsi(text);
}

}  // namespace wardo::settings
