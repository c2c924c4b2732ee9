#include "settings/profile_encoding.h"

#include <cstdint>

namespace wardo::settings {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUnit(text::Text& out, char32_t cp) {
    if (cp >= 0x10000) {  // a surrogate pair, as on Windows, whatever the width of wchar_t here
        cp -= 0x10000;
        out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<wchar_t>(cp));
    }
}

text::Text fromUtf8(const std::string& s, size_t start) {
    text::Text out;
    size_t i = start;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
        char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = extra >= 0 && i + static_cast<size_t>(extra) < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (cp < kMin[static_cast<size_t>(extra)] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            ok = false;
        if (!ok) {
            out.push_back(static_cast<wchar_t>(kReplacement));
            ++i;
            continue;
        }
        appendUnit(out, cp);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

std::string toUtf8(const text::Text& t) {
    std::string out;
    for (size_t i = 0; i < t.size(); ++i) {
        auto cp = static_cast<char32_t>(static_cast<std::uint32_t>(t[i]) & 0x1FFFFF);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < t.size()) {
            const auto low = static_cast<char32_t>(t[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

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
            appendUnit(units, u > 0x10FFFF ? kReplacement : static_cast<char32_t>(u));
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
    if (startsWith(bytes, "\xEF\xBB\xBF", 3)) return {ProfileEncoding::Utf8, fromUtf8(bytes, 3)};
    if (startsWith(bytes, "\xFF\xFE", 2)) return {ProfileEncoding::Utf16Le, fromUtf16(bytes, false)};
    if (startsWith(bytes, "\xFE\xFF", 2)) return {ProfileEncoding::Utf16Be, fromUtf16(bytes, true)};
    return {ProfileEncoding::Ansi, text::fromAnsi(bytes)};
}

std::string encodeProfile(const text::Text& text, ProfileEncoding encoding) {
    switch (encoding) {
        case ProfileEncoding::Utf8:
            return "\xEF\xBB\xBF" + toUtf8(text);
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
