// The fixed keys and a stored operator code: settings already written depend on these exact values.
#include "cipher/keys.h"

#include <gtest/gtest.h>

#include "cipher/crypt_text.h"

namespace wardo::cipher {
namespace {

TEST(Keys, KeepTheirValues) {
    EXPECT_EQ(CleTexte(), L"MC3TqFJ%@AJB3Zx*oquN");
    EXPECT_EQ(CleLiaison(), L"oE&9+tvernowWMw*QWXGM");
}

TEST(Keys, AStoredOperatorCodeKeepsItsForm) {
    const text::Text stored = L"BFE45247C5BF5E48F6639EFAC0D071FB5DFEECAE7C1EC41FFA0BE7161D0FE18A";
    EXPECT_EQ(TexteVersHex(CrypteTexte(L"1234", CleTexte()), nullptr), stored);
    EXPECT_EQ(DecrypteTexte(HexVersTexte(stored), CleTexte()), L"1234");
}

}  // namespace
}  // namespace wardo::cipher
