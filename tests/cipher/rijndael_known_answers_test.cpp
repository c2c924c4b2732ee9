// Published known answers through CRijndael's block functions, for every block and key size it supports.
#include <gtest/gtest.h>

#include <ostream>

#include "cipher/rijndael.h"
#include "cipher_test_support.h"

namespace wardo::cipher {
namespace {

using testing::bytesFromHex;

struct KnownAnswer {
    const char* source;
    int Nb;
    int Nk;
    const char* key;
    const char* plain;
    const char* cipher;
};

std::ostream& operator<<(std::ostream& os, const KnownAnswer& v) {
    return os << v.source << " Nb=" << v.Nb << " Nk=" << v.Nk;
}

constexpr const char* kKey2b7e = "2b7e151628aed2a6abf7158809cf4f3c762e7160f38b4da56a784d9045190cfe";
constexpr const char* kPlainPi = "3243f6a8885a308d313198a2e03707344a4093822299f31d0082efa98ec4e6c8";

// FIPS-197 appendices B and C; the published Rijndael vectors for key 2b7e15... and text 3243f6... at every
// block and key size (as in Bouncy Castle's RijndaelTest); two NESSIE vectors for 256-bit blocks and keys.
const KnownAnswer kAnswers[] = {
    {"FIPS-197 C.1", 4, 4, "000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff",
     "69c4e0d86a7b0430d8cdb78070b4c55a"},
    {"FIPS-197 C.2", 4, 6, "000102030405060708090a0b0c0d0e0f1011121314151617",
     "00112233445566778899aabbccddeeff", "dda97ca4864cdfe06eaf70a0ec0d7191"},
    {"FIPS-197 C.3", 4, 8, "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
     "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
    {"FIPS-197 B", 4, 4, kKey2b7e, kPlainPi, "3925841d02dc09fbdc118597196a0b32"},
    {"RijndaelTest 192/128", 6, 4, kKey2b7e, kPlainPi, "b24d275489e82bb8f7375e0d5fcdb1f481757c538b65148a"},
    {"RijndaelTest 192/192", 6, 6, kKey2b7e, kPlainPi, "725ae43b5f3161de806a7c93e0bca93c967ec1ae1b71e1cf"},
    {"RijndaelTest 192/256", 6, 8, kKey2b7e, kPlainPi, "0ebacf199e3315c2e34b24fcc7c46ef4388aa475d66c194c"},
    {"RijndaelTest 256/128", 8, 4, kKey2b7e, kPlainPi,
     "7d15479076b69a46ffb3b3beae97ad8313f622f67fedb487de9f06b9ed9c8f19"},
    {"RijndaelTest 256/192", 8, 6, kKey2b7e, kPlainPi,
     "5d7101727bb25781bf6715b0e6955282b9610e23a43c2eb062699f0ebf5887b2"},
    {"RijndaelTest 256/256", 8, 8, kKey2b7e, kPlainPi,
     "a49406115dfb30a40418aafa4869b7c6a886ff31602a7dd19c889dc64f7e4e7a"},
    {"NESSIE 256/256 key bit 0", 8, 8, "8000000000000000000000000000000000000000000000000000000000000000",
     "0000000000000000000000000000000000000000000000000000000000000000",
     "e62abce069837b65309be4eda2c0e149fe56c07b7082d3287f592c4a4927a277"},
    {"NESSIE 256/256 text bit 0", 8, 8, "0000000000000000000000000000000000000000000000000000000000000000",
     "8000000000000000000000000000000000000000000000000000000000000000",
     "159a08e46e616e6e9978502010daff922eb362e77dcaaf02eaeb7354eb8b8dba"},
};

class RijndaelKnownAnswer : public ::testing::TestWithParam<KnownAnswer> {
protected:
    // Key and text are cut to the sizes under test; the rest of each 32-byte array is filled with a
    // marker, which the block functions must neither read nor write.
    static Block filled(const char* hex, int words) {
        Block out;
        out.fill(0xA5);
        const Bytes bytes = bytesFromHex(hex);
        std::copy_n(bytes.begin(), 4 * words, out.begin());
        return out;
    }
};

TEST_P(RijndaelKnownAnswer, EnciphersAndDeciphersOneBlock) {
    const KnownAnswer& v = GetParam();
    CRijndael cipher;
    cipher.BuildCipherTables();
    cipher.ExpandCipherKey(v.Nb, v.Nk, filled(v.key, v.Nk));

    const Block plain = filled(v.plain, v.Nb);
    Block block = plain;
    cipher.EncryptBlock(block);
    EXPECT_EQ(block, filled(v.cipher, v.Nb));

    cipher.DecryptBlock(block);
    EXPECT_EQ(block, plain);
}

INSTANTIATE_TEST_SUITE_P(Published, RijndaelKnownAnswer, ::testing::ValuesIn(kAnswers));

TEST(RijndaelBlock, RefusesUnsupportedSizesAndAMissingSchedule) {
    CRijndael cipher;
    cipher.BuildCipherTables();
    Block block{};
    EXPECT_THROW(cipher.EncryptBlock(block), text::RuntimeError);
    for (const auto& [Nb, Nk] : {std::pair{5, 4}, {4, 7}, {0, 8}, {8, 10}, {-4, 4}})
        EXPECT_THROW(cipher.ExpandCipherKey(Nb, Nk, Block{}), text::RuntimeError) << Nb << " " << Nk;
}

}  // namespace
}  // namespace wardo::cipher
