// CRijndael's block cipher: the key schedule and the table-driven rounds (encryption and the equivalent
// inverse cipher).
#include <algorithm>

#include "cipher/rijndael.h"
#include "text/runtime_error.h"

namespace wardo::cipher {

namespace {

bool validWords(int n) {
    return n == 4 || n == 6 || n == 8;
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

void CRijndael::ExpandCipherKey(int Nb, int Nk, const Block& key) {
    if (!validWords(Nb) || !validWords(Nk))
        text::fail(text::ErrorCode::InvalidCall, "ExpandCipherKey: Nb and Nk must be 4, 6 or 8");
    Nb_ = Nb;
    Nk_ = Nk;
    Nr_ = 6 + std::max(Nb, Nk);

    // Row r of column j comes from column j + shift(r): 1, 2, 3, or 1, 3, 4 for the widest block.
    const int shift[3] = {1, Nb < 8 ? 2 : 3, Nb < 8 ? 3 : 4};
    for (int j = 0; j < Nb; ++j) {
        for (int m = 0; m < 3; ++m) {
            forwardShifts_[at(3 * j + m)] = static_cast<std::uint8_t>((j + shift[m]) % Nb);
            inverseShifts_[at(3 * j + m)] = static_cast<std::uint8_t>((Nb + j - shift[m]) % Nb);
        }
    }

    const int N = Nb * (Nr_ + 1);
    auto& w = encryptionKeys_;
    for (int i = 0; i < Nk; ++i) w[at(i)] = WordFromBytesAt(key, 4 * i);
    for (int j = Nk, k = 0; j < N; j += Nk, ++k) {
        w[at(j)] = w[at(j - Nk)] ^ SubstituteWord(RotateWordLeft(w[at(j - 1)], 24)) ^ roundConstants_[at(k)];
        if (Nk <= 6) {
            for (int i = 1; i < Nk && i + j < N; ++i) w[at(i + j)] = w[at(i + j - Nk)] ^ w[at(i + j - 1)];
        } else {
            for (int i = 1; i < 4 && i + j < N; ++i) w[at(i + j)] = w[at(i + j - Nk)] ^ w[at(i + j - 1)];
            if (j + 4 < N) w[at(j + 4)] = w[at(j + 4 - Nk)] ^ SubstituteWord(w[at(j + 3)]);
            for (int i = 5; i < Nk && i + j < N; ++i) w[at(i + j)] = w[at(i + j - Nk)] ^ w[at(i + j - 1)];
        }
    }

    // Round keys of the equivalent inverse cipher: reversed by round, the middle ones through InvMixColumns.
    auto& d = decryptionKeys_;
    for (int j = 0; j < Nb; ++j) d[at(N - Nb + j)] = w[at(j)];
    for (int i = Nb; i < N - Nb; i += Nb) {
        const int k = N - Nb - i;
        for (int j = 0; j < Nb; ++j) d[at(k + j)] = InverseMixColumn(w[at(i + j)]);
    }
    for (int j = N - Nb; j < N; ++j) d[at(j - N + Nb)] = w[at(j)];
}

void CRijndael::Round(const std::array<std::uint32_t, 256>& table, const std::array<std::uint8_t, 24>& shifts,
                      const std::uint32_t* roundKey, std::array<std::uint32_t, 8>& state) const {
    std::array<std::uint32_t, 8> next{};
    for (int j = 0; j < Nb_; ++j) {
        const std::uint32_t b0 = state[at(j)] & 0xFF;
        const std::uint32_t b1 = (state[shifts[at(3 * j)]] >> 8) & 0xFF;
        const std::uint32_t b2 = (state[shifts[at(3 * j + 1)]] >> 16) & 0xFF;
        const std::uint32_t b3 = state[shifts[at(3 * j + 2)]] >> 24;
        next[at(j)] = roundKey[j] ^ table[b0] ^ RotateWordLeft(table[b1], 8) ^ RotateWordLeft(table[b2], 16) ^
                      RotateWordLeft(table[b3], 24);
    }
    state = next;
}

void CRijndael::LastRound(const std::array<std::uint8_t, 256>& box,
                          const std::array<std::uint8_t, 24>& shifts, const std::uint32_t* roundKey,
                          std::array<std::uint32_t, 8>& state) const {
    std::array<std::uint32_t, 8> next{};
    for (int j = 0; j < Nb_; ++j) {
        const std::uint8_t b0 = box[state[at(j)] & 0xFF];
        const std::uint8_t b1 = box[(state[shifts[at(3 * j)]] >> 8) & 0xFF];
        const std::uint8_t b2 = box[(state[shifts[at(3 * j + 1)]] >> 16) & 0xFF];
        const std::uint8_t b3 = box[state[shifts[at(3 * j + 2)]] >> 24];
        next[at(j)] = roundKey[j] ^ WordFromBytes(b0, b1, b2, b3);
    }
    state = next;
}

void CRijndael::RunBlock(Block& block, const std::array<std::uint32_t, kMaxRoundKeys>& keys,
                         const std::array<std::uint32_t, 256>& table,
                         const std::array<std::uint8_t, 256>& box,
                         const std::array<std::uint8_t, 24>& shifts) const {
    if (Nr_ == 0) text::fail(text::ErrorCode::InvalidCall, "CRijndael: no key schedule");
    std::array<std::uint32_t, 8> state{};
    for (int j = 0; j < Nb_; ++j) state[at(j)] = WordFromBytesAt(block, 4 * j) ^ keys[at(j)];
    const std::uint32_t* roundKey = keys.data() + Nb_;
    for (int round = 1; round < Nr_; ++round, roundKey += Nb_) Round(table, shifts, roundKey, state);
    LastRound(box, shifts, roundKey, state);
    for (int j = 0; j < Nb_; ++j) WordToBytesAt(state[at(j)], block, 4 * j);
    state.fill(0);
}

void CRijndael::EncryptBlock(Block& block) {
    RunBlock(block, encryptionKeys_, forwardTable_, sbox_, forwardShifts_);
}

void CRijndael::DecryptBlock(Block& block) {
    RunBlock(block, decryptionKeys_, inverseTable_, inverseSbox_, inverseShifts_);
}

}  // namespace wardo::cipher
