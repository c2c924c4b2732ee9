// The scrambling of the datagrams and the digest that guards them.
#include <gtest/gtest.h>

#include "md5_suite.h"
#include "platform/sim/sim_digest.h"
#include "serverlink/server_link.h"
#include "text/text.h"

namespace wardo::serverlink::testing {
namespace {

Text chars(std::initializer_list<int> codes) {
    Text t;
    for (int c : codes) t.push_back(static_cast<wchar_t>(c));
    return t;
}

struct ScrambleCase {
    const char* name;
    int text, key, brouille;
};

TEST(Brouille, WrapsPast255BySubtracting255) {
    const ScrambleCase cases[] = {
        {"sum 256 gives 1", 200, 56, 1},
        {"sum 255 stays", 199, 56, 255},
        {"sum 510 gives 255", 255, 255, 255},
        {"small sum", 65, 1, 66},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Brouille(chars({c.text}), chars({c.key})), chars({c.brouille})) << c.name;
}

TEST(Debrouille, WrapsBelow0ByAdding255) {
    const ScrambleCase cases[] = {
        {"difference 0 stays 0", 56, 56, 0},
        {"difference -1 gives 254", 55, 56, 254},
        {"difference -255 gives 0", 0, 255, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Debrouille(chars({c.text}), chars({c.key})), chars({c.brouille})) << c.name;
}

TEST(Brouille, MessageLongerThanTheKeyTakesTheKeyFromItsFirstCharacterAgain) {
    EXPECT_EQ(Brouille(L"aaaaa", L"AB"), chars({162, 163, 162, 163, 162}));
    EXPECT_EQ(Debrouille(chars({162, 163, 162, 163, 162}), L"AB"), L"aaaaa");
}

TEST(Debrouille, UndoesBrouilleForEveryCodeButTheLast) {
    Text all;
    for (int c = 0; c <= 254; ++c) all.push_back(text::fromAnsi(std::string(1, static_cast<char>(c)))[0]);
    const Text key = L"oE&9+tvernowWMw*QWXGM";
    EXPECT_EQ(Debrouille(Brouille(all, key), key), all);
    EXPECT_EQ(Debrouille(Brouille(chars({255}), key), key), chars({0}));
}

TEST(Md5Texte, GivesTheDigestsOfTheRfc1321Suite) {
    platform::sim::SimDigest digest;
    for (const auto& [input, expected] : kRfc1321Suite)
        EXPECT_EQ(Md5Texte(digest, text::widen(input)), text::widen(expected)) << input;
    // The digest is of the text's ANSI bytes: "é" is the one byte E9.
    EXPECT_EQ(Md5Texte(digest, L"é"), text::widen(digest.md5Hex("\xE9").c_str()));
}

}  // namespace
}  // namespace wardo::serverlink::testing
