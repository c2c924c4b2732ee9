// A number written in plain decimal digits, as the room simulator's options and commands take them.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace wardo::room {

// The value of 1 to `maxDigits` decimal digits (no sign, no blank); nothing for anything else.
inline std::optional<int> decimalDigits(const std::wstring& s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    int n = 0;
    for (const wchar_t c : s) {
        if (c < L'0' || c > L'9') return std::nullopt;
        n = n * 10 + (c - L'0');
    }
    return n;
}

}  // namespace wardo::room
