// CRijndael's arithmetic: bit shifts and rotations, words of bytes, GF(2^8), and the cipher tables.
#include <algorithm>

#include "cipher/rijndael.h"
#include "text/runtime_error.h"

namespace wardo::cipher {

using text::ErrorCode;

CRijndael::CRijndael() : inverseMixCoefficients_{0x0B, 0x0D, 0x09, 0x0E} {}

std::uint32_t CRijndael::ShiftBitsLeft(std::uint32_t value, int count) {
    if (count < 0 || count > 31) text::fail(ErrorCode::Overflow, "ShiftBitsLeft: count outside 0..31");
    return value << count;
}

std::uint32_t CRijndael::ShiftBitsRight(std::uint32_t value, int count) {
    if (count < 0 || count > 31) text::fail(ErrorCode::Overflow, "ShiftBitsRight: count outside 0..31");
    return value >> count;
}

std::uint8_t CRijndael::ShiftByteBitsLeft(std::uint8_t value, int count) {
    if (count < 0 || count > 7) text::fail(ErrorCode::Overflow, "ShiftByteBitsLeft: count outside 0..7");
    return static_cast<std::uint8_t>(value << count);
}

std::uint8_t CRijndael::ShiftByteBitsRight(std::uint8_t value, int count) {
    if (count < 0 || count > 7) text::fail(ErrorCode::Overflow, "ShiftByteBitsRight: count outside 0..7");
    return static_cast<std::uint8_t>(value >> count);
}

std::uint32_t CRijndael::RotateWordLeft(std::uint32_t value, int count) {
    return ShiftBitsLeft(value, count) | ShiftBitsRight(value, 32 - count);
}

std::uint8_t CRijndael::RotateByteBitsLeft(std::uint8_t value, int count) {
    return static_cast<std::uint8_t>(ShiftByteBitsLeft(value, count) | ShiftByteBitsRight(value, 8 - count));
}

std::uint32_t CRijndael::WordFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return std::uint32_t{b0} | std::uint32_t{b1} << 8 | std::uint32_t{b2} << 16 | std::uint32_t{b3} << 24;
}

std::uint32_t CRijndael::WordFromBytesAt(std::span<const std::uint8_t> bytes, int start) {
    const auto at = bytes.subspan(static_cast<std::size_t>(start), 4);
    return WordFromBytes(at[0], at[1], at[2], at[3]);
}

std::array<std::uint8_t, 4> CRijndael::WordToBytes(std::uint32_t word) {
    return {static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8),
            static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 24)};
}

void CRijndael::WordToBytesAt(std::uint32_t word, std::span<std::uint8_t> bytes, int start) {
    const auto b = WordToBytes(word);
    std::copy(b.begin(), b.end(), bytes.subspan(static_cast<std::size_t>(start), 4).begin());
}

std::uint8_t CRijndael::GfTimesTwo(std::uint8_t value) {
    const bool top = (value & 0x80) != 0;
    const auto doubled = static_cast<std::uint8_t>(value << 1);
    return top ? static_cast<std::uint8_t>(doubled ^ 0x1B) : doubled;
}

std::uint8_t CRijndael::GfMultiply(std::uint8_t a, std::uint8_t b) const {
    if (a == 0 || b == 0) return 0;
    return antilog_[(log_[a] + log_[b]) % 255];
}

std::uint32_t CRijndael::SubstituteWord(std::uint32_t word) const {
    const auto b = WordToBytes(word);
    return WordFromBytes(sbox_[b[0]], sbox_[b[1]], sbox_[b[2]], sbox_[b[3]]);
}

std::uint8_t CRijndael::GfWordProduct(std::uint32_t a, std::uint32_t b) const {
    const auto x = WordToBytes(a);
    const auto y = WordToBytes(b);
    return static_cast<std::uint8_t>(GfMultiply(x[0], y[0]) ^ GfMultiply(x[1], y[1]) ^
                                     GfMultiply(x[2], y[2]) ^ GfMultiply(x[3], y[3]));
}

// Each output row is the dot product of the column with the coefficients rotated one byte further.
std::uint32_t CRijndael::InverseMixColumn(std::uint32_t word) const {
    std::uint32_t coefficients = WordFromBytes(inverseMixCoefficients_[0], inverseMixCoefficients_[1],
                                               inverseMixCoefficients_[2], inverseMixCoefficients_[3]);
    std::array<std::uint8_t, 4> out{};
    for (int row = 3; row >= 0; --row) {
        out[static_cast<std::size_t>(row)] = GfWordProduct(coefficients, word);
        coefficients = RotateWordLeft(coefficients, 24);
    }
    return WordFromBytes(out[0], out[1], out[2], out[3]);
}

std::uint8_t CRijndael::SboxValue(std::uint8_t x) const {
    const std::uint8_t inverse = antilog_[255 - log_[x]];
    std::uint8_t y = inverse;
    for (int n = 1; n <= 4; ++n) y ^= RotateByteBitsLeft(inverse, n);
    return static_cast<std::uint8_t>(y ^ 0x63);
}

void CRijndael::BuildCipherTables() {
    antilog_[0] = 1;
    antilog_[1] = 3;
    log_[0] = 0;
    log_[1] = 0;
    log_[3] = 1;
    for (int i = 2; i < 256; ++i) {
        antilog_[i] = static_cast<std::uint8_t>(antilog_[i - 1] ^ GfTimesTwo(antilog_[i - 1]));
        log_[antilog_[i]] = static_cast<std::uint8_t>(i);
    }

    sbox_[0] = 0x63;
    inverseSbox_[0x63] = 0;
    for (int x = 1; x < 256; ++x) {
        const std::uint8_t y = SboxValue(static_cast<std::uint8_t>(x));
        sbox_[static_cast<std::size_t>(x)] = y;
        inverseSbox_[y] = static_cast<std::uint8_t>(x);
    }

    std::uint8_t constant = 1;
    for (auto& rc : roundConstants_) {
        rc = constant;
        constant = GfTimesTwo(constant);
    }

    for (int i = 0; i < 256; ++i) {
        const std::uint8_t s = sbox_[static_cast<std::size_t>(i)];
        forwardTable_[static_cast<std::size_t>(i)] = WordFromBytes(GfMultiply(2, s), s, s, GfMultiply(3, s));
        const std::uint8_t t = inverseSbox_[static_cast<std::size_t>(i)];
        inverseTable_[static_cast<std::size_t>(i)] =
            WordFromBytes(GfMultiply(0x0E, t), GfMultiply(0x09, t), GfMultiply(0x0D, t), GfMultiply(0x0B, t));
    }
}

}  // namespace wardo::cipher
