// CRijndael: the Rijndael block cipher (blocks and keys of 4, 6 or 8 words) with the program's own framing
// of byte arrays: a length prefix, zero padding to 32-byte blocks, each block enciphered on its own.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wardo::cipher {

using Bytes = std::vector<std::uint8_t>;
// A byte array that may have no bounds at all (std::nullopt), as distinct from one of no elements.
using ByteArray = std::optional<Bytes>;
// The working block: 32 bytes, of which the first 4 * Nb take part.
using Block = std::array<std::uint8_t, 32>;

class CRijndael {
public:
    CRijndael();  // Class_Initialize

    // Enciphers `message` under `password` with 256-bit blocks and key. An argument without bounds gives
    // an empty result; an empty message raises text::RuntimeError (OutOfRange).
    Bytes EncryptData(const ByteArray& message, const ByteArray& password);
    // Inverse of EncryptData. An argument without bounds, or a length that is not a multiple of 32, gives
    // an empty result, as does a length word above the data; no data, or a length word of 0 or below,
    // raises text::RuntimeError (OutOfRange). There is no integrity check: a wrong password may give
    // garbage.
    Bytes DecryptData(const ByteArray& data, const ByteArray& password);

    // The block cipher itself, also reached by the known-answer checks with any Nb and Nk of 4, 6, 8.
    void BuildCipherTables();
    // Uses the first 4 * Nk bytes of `key`; any other Nb or Nk raises text::RuntimeError (InvalidCall).
    void ExpandCipherKey(int Nb, int Nk, const Block& key);
    void EncryptBlock(Block& block);
    void DecryptBlock(Block& block);

    static bool HasElements(const ByteArray& array) { return array.has_value(); }

private:
    static constexpr int kMaxRoundKeys = 120;  // 8 columns x 15 round keys

    static std::uint32_t ShiftBitsLeft(std::uint32_t value, int count);
    static std::uint32_t ShiftBitsRight(std::uint32_t value, int count);
    static std::uint8_t ShiftByteBitsLeft(std::uint8_t value, int count);
    static std::uint8_t ShiftByteBitsRight(std::uint8_t value, int count);
    static std::uint32_t RotateWordLeft(std::uint32_t value, int count);
    static std::uint8_t RotateByteBitsLeft(std::uint8_t value, int count);
    static std::uint32_t WordFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
    static std::uint32_t WordFromBytesAt(std::span<const std::uint8_t> bytes, int start);
    static std::array<std::uint8_t, 4> WordToBytes(std::uint32_t word);
    static void WordToBytesAt(std::uint32_t word, std::span<std::uint8_t> bytes, int start);
    static std::uint8_t GfTimesTwo(std::uint8_t value);

    std::uint8_t GfMultiply(std::uint8_t a, std::uint8_t b) const;
    std::uint32_t SubstituteWord(std::uint32_t word) const;
    std::uint8_t GfWordProduct(std::uint32_t a, std::uint32_t b) const;
    std::uint32_t InverseMixColumn(std::uint32_t word) const;
    std::uint8_t SboxValue(std::uint8_t x) const;

    // One round over the state with the given table (forward or inverse) and shift indices.
    void Round(const std::array<std::uint32_t, 256>& table, const std::array<std::uint8_t, 24>& shifts,
               const std::uint32_t* roundKey, std::array<std::uint32_t, 8>& state) const;
    // The last round: bytes of `box` in place of table words.
    void LastRound(const std::array<std::uint8_t, 256>& box, const std::array<std::uint8_t, 24>& shifts,
                   const std::uint32_t* roundKey, std::array<std::uint32_t, 8>& state) const;
    void RunBlock(Block& block, const std::array<std::uint32_t, kMaxRoundKeys>& keys,
                  const std::array<std::uint32_t, 256>& table, const std::array<std::uint8_t, 256>& box,
                  const std::array<std::uint8_t, 24>& shifts) const;
    // Tables and key schedule for the framing: Nb = Nk = 8, the key being the password's first 32 bytes,
    // zeros after a shorter one.
    void PrepareKey(const Bytes& password);

    std::array<std::uint8_t, 4> inverseMixCoefficients_{};
    std::array<std::uint8_t, 256> sbox_{};
    std::array<std::uint8_t, 256> inverseSbox_{};
    std::array<std::uint8_t, 256> antilog_{};
    std::array<std::uint8_t, 256> log_{};
    std::array<std::uint32_t, 256> forwardTable_{};
    std::array<std::uint32_t, 256> inverseTable_{};
    std::array<std::uint32_t, 30> roundConstants_{};
    int Nb_ = 0;
    int Nk_ = 0;
    int Nr_ = 0;
    std::array<std::uint8_t, 24> forwardShifts_{};
    std::array<std::uint8_t, 24> inverseShifts_{};
    std::array<std::uint32_t, kMaxRoundKeys> encryptionKeys_{};
    std::array<std::uint32_t, kMaxRoundKeys> decryptionKeys_{};
};

}  // namespace wardo::cipher
