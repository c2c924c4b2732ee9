#include "text/text.h"

#include <cmath>
#include <cstdlib>

namespace wardo::text {

long find(const Text& s, const Text& what, long start) {
    if (start < 1) fail(ErrorCode::InvalidCall, "find: start < 1");
    if (s.empty() || static_cast<size_t>(start) > s.size() + 1) return 0;
    const auto pos = s.find(what, static_cast<size_t>(start - 1));
    return pos == Text::npos ? 0 : static_cast<long>(pos) + 1;
}

long findLast(const Text& s, const Text& what) {
    const auto pos = s.rfind(what);
    return pos == Text::npos ? 0 : static_cast<long>(pos) + 1;
}

Text mid(const Text& s, long start, long length) {
    if (start < 1) fail(ErrorCode::InvalidCall, "mid: start < 1");
    if (length < -1) fail(ErrorCode::InvalidCall, "mid: negative length");
    if (static_cast<size_t>(start) > s.size()) return {};
    return length == -1 ? s.substr(static_cast<size_t>(start - 1))
                        : s.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length));
}

Text left(const Text& s, long length) {
    if (length < 0) fail(ErrorCode::InvalidCall, "left: negative length");
    return s.substr(0, static_cast<size_t>(length));
}

Text right(const Text& s, long length) {
    if (length < 0) fail(ErrorCode::InvalidCall, "right: negative length");
    const auto n = static_cast<size_t>(length);
    return n >= s.size() ? s : s.substr(s.size() - n);
}

Text replaceAll(const Text& s, const Text& what, const Text& with) {
    if (what.empty()) return s;
    Text out;
    out.reserve(s.size());
    size_t from = 0;
    for (size_t pos; (pos = s.find(what, from)) != Text::npos; from = pos + what.size()) {
        out.append(s, from, pos - from);
        out += with;
    }
    out.append(s, from, Text::npos);
    return out;
}

Text trimLeft(const Text& s) {
    const auto first = s.find_first_not_of(L' ');
    return first == Text::npos ? Text{} : s.substr(first);
}

Text trimRight(const Text& s) {
    const auto last = s.find_last_not_of(L' ');
    return last == Text::npos ? Text{} : s.substr(0, last + 1);
}

Text trim(const Text& s) {
    return trimLeft(trimRight(s));
}

std::vector<Text> split(const Text& s, const Text& separator) {
    std::vector<Text> parts;
    if (s.empty()) return parts;
    if (separator.empty()) return {s};
    size_t from = 0;
    for (size_t pos; (pos = s.find(separator, from)) != Text::npos; from = pos + separator.size())
        parts.push_back(s.substr(from, pos - from));
    parts.push_back(s.substr(from));
    return parts;
}

std::vector<Text> splitCrLf(const Text& s) {
    return split(s, L"\r\n");
}

namespace {

wchar_t lowerChar(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
    switch (c) {
        case 0x0152:
            return 0x0153;  // Œ
        case 0x0160:
            return 0x0161;  // Š
        case 0x017D:
            return 0x017E;  // Ž
        case 0x0178:
            return 0x00FF;  // Ÿ
        default:
            return c;
    }
}

wchar_t upperChar(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 32);
    switch (c) {
        case 0x0153:
            return 0x0152;
        case 0x0161:
            return 0x0160;
        case 0x017E:
            return 0x017D;
        case 0x00FF:
            return 0x0178;
        default:
            return c;
    }
}

}  // namespace

Text lower(const Text& s) {
    Text out(s);
    for (auto& c : out) c = lowerChar(c);
    return out;
}

Text upper(const Text& s) {
    Text out(s);
    for (auto& c : out) c = upperChar(c);
    return out;
}

Text widen(const char* ascii) {
    Text out;
    for (; *ascii; ++ascii) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*ascii)));
    return out;
}

std::int16_t toInt16(long long v) {
    if (v < -32768 || v > 32767) fail(ErrorCode::Overflow, "16-bit overflow");
    return static_cast<std::int16_t>(v);
}

std::int32_t roundInt32(double v) {
    if (!(v > -2147483648.5 && v < 2147483647.5)) fail(ErrorCode::Overflow, "32-bit overflow");
    return static_cast<std::int32_t>(std::nearbyint(v));  // default rounding mode: ties to even
}

std::int16_t roundInt16(double v) {
    if (!(v > -32768.5 && v < 32767.5)) fail(ErrorCode::Overflow, "16-bit overflow");
    return static_cast<std::int16_t>(std::nearbyint(v));
}

Text decimal(long long v) {
    return widen(std::to_string(v).c_str());
}

double val(const Text& s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == L' ' || s[i] == L'\t')) ++i;
    std::string digits;
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) digits.push_back(static_cast<char>(s[i++]));
    bool any = false, dot = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= L'0' && s[i] <= L'9') {
            digits.push_back(static_cast<char>(s[i]));
            any = true;
        } else if (s[i] == L'.' && !dot) {
            digits.push_back('.');
            dot = true;
        } else {
            break;
        }
    }
    return any ? std::strtod(digits.c_str(), nullptr) : 0.0;
}

Text hexOfByte(std::uint8_t b) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    return Text{kDigits[b >> 4], kDigits[b & 15]};
}

}  // namespace wardo::text
