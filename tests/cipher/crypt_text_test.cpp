// CrypteTexte and DecrypteTexte through the stored hexadecimal form: round trips, sizes, and every failure
// turned into an empty text.
#include "cipher/crypt_text.h"

#include <gtest/gtest.h>

#include <random>

#include "cipher_test_support.h"

namespace wardo::cipher {
namespace {

using text::Text;

const Text kKey = L"cl\u00e9 d'essai \u20ac";

Text stored(const Text& t, const Text& key) {
    return TexteVersHex(CrypteTexte(t, key), nullptr);
}
Text readBack(const Text& hex, const Text& key) {
    return DecrypteTexte(HexVersTexte(hex), key);
}

// 28 characters (an operator code) still fit one block with the length word; 29 take two.
TEST(CrypteTexte, EveryAnsiTextComesBackThroughTheStoredForm) {
    std::mt19937 random(20261209);
    for (std::size_t n = 1; n <= 100; ++n) {
        const Text t = testing::randomAnsiText(random, n);
        const Text key = testing::randomAnsiText(random, n % 41);
        const Text hex = stored(t, key);
        ASSERT_EQ(hex.size(), 64 * ((n + 4 + 31) / 32)) << n;
        EXPECT_EQ(readBack(hex, key), t) << n;
    }
}

TEST(CrypteTexte, EmptyTextsAndPasswords) {
    EXPECT_EQ(CrypteTexte(L"", kKey), L"");
    const Text c = CrypteTexte(L"code", L"");
    EXPECT_EQ(c.size(), 32u);
    EXPECT_EQ(DecrypteTexte(c, L""), L"code");
    EXPECT_EQ(DecrypteTexte(c, Text(5, L'\0')), L"code");  // the same all-zero key
}

TEST(CrypteTexte, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(readBack(stored(L"a\u0100b\u20ac", kKey), kKey), L"a?b\u20ac");
}

TEST(DecrypteTexte, TextsThatAreNotWholeBlocksGiveNothing) {
    const Text c = CrypteTexte(L"operateur", kKey);
    EXPECT_EQ(DecrypteTexte(L"", kKey), L"");
    EXPECT_EQ(DecrypteTexte(c + L"x", kKey), L"");
    EXPECT_EQ(DecrypteTexte(c.substr(0, 31), kKey), L"");
    EXPECT_EQ(readBack(L"0", kKey), L"");
}

TEST(DecrypteTexte, AWrongKeyGivesNothingOrGarbageOfAPossibleLength) {
    const Text c = CrypteTexte(Text(40, L'k'), kKey);
    std::mt19937 random(7);
    int empty = 0;
    for (int i = 0; i < 300; ++i) {
        const Text out = DecrypteTexte(c, testing::randomAnsiText(random, 20));
        EXPECT_LE(out.size(), c.size() - 4);
        empty += out.empty() ? 1 : 0;
    }
    EXPECT_GT(empty, 295);
}

}  // namespace
}  // namespace wardo::cipher
