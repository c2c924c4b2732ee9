// Helpers shared by the cipher tests: hexadecimal literals to bytes, and texts of random ANSI characters.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "cipher/rijndael.h"
#include "text/text.h"

namespace wardo::cipher::testing {

inline Bytes bytesFromHex(std::string_view hex) {
    Bytes out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return out;
}

inline Bytes counting(std::size_t n, std::uint8_t first = 0) {
    Bytes out(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(first + i);
    return out;
}

// A text of `length` characters drawn from the whole ANSI repertoire (codes 0 to 255 through the code page).
inline text::Text randomAnsiText(std::mt19937& random, std::size_t length) {
    std::uniform_int_distribution<int> code(0, 255);
    std::string bytes;
    for (std::size_t i = 0; i < length; ++i) bytes.push_back(static_cast<char>(code(random)));
    return text::fromAnsi(bytes);
}

}  // namespace wardo::cipher::testing
