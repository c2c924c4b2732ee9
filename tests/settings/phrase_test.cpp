// The connection phrase's character check, which also lower-cases the caller's phrase.
#include "settings/phrase.h"

#include <gtest/gtest.h>

namespace wardo::settings {
namespace {

using text::Text;

TEST(PhraseValide, AcceptsTheAlphabetAndLowersInPlace) {
    Text p = L"Salut la room !";
    EXPECT_TRUE(PhraseValide(p));
    EXPECT_EQ(p, L"salut la room !");

    p = L"\u00c9T\u00c9 \u00c8 \u00c0 \u00d9 QUOI ? 2024";
    EXPECT_TRUE(PhraseValide(p));
    EXPECT_EQ(p, L"\u00e9t\u00e9 \u00e8 \u00e0 \u00f9 quoi ? 2024");

    p = L"";
    EXPECT_TRUE(PhraseValide(p));
    EXPECT_EQ(p, L"");
}

TEST(PhraseValide, RefusesOtherCharactersButStillLowers) {
    for (const wchar_t* bad : {L"Bonjour:", L"Salut (toi)", L"A, b", L"L'ami", L"Fin.", L"Tab\there"}) {
        Text p = bad;
        EXPECT_FALSE(PhraseValide(p));
        for (wchar_t c : p) EXPECT_FALSE(c >= L'A' && c <= L'Z');
    }
    for (const wchar_t* accent :
         {L"\u00e7a", L"\u00c7A", L"f\u00eate", L"F\u00caTE", L"h\u00f4te", L"H\u00d4TE"}) {
        Text p = accent;
        EXPECT_FALSE(PhraseValide(p));
    }
    Text p = L"SALUT\u00c7";
    EXPECT_FALSE(PhraseValide(p));
    EXPECT_EQ(p, L"salut\u00e7");
}

}  // namespace
}  // namespace wardo::settings
