// Files in the ANSI code page stay byte for byte; files with a byte-order mark are read and written in
// their own form.
#include "settings/profile_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/profile_format.h"

namespace wardo::settings {
namespace {

TEST(ProfileEncoding, EveryAnsiByteSurvivesAWriteElsewhereInTheFile) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') all.push_back(static_cast<char>(b));
    const std::string before = "[S]\r\nraw=" + all + "\r\n";
    const std::string after = iniWrite(before, L"S", L"other", L"x");
    EXPECT_EQ(after, before + "other=x\r\n");
    EXPECT_EQ(encodeProfile(decodeProfile(before).text, ProfileEncoding::Ansi), before);
}

TEST(ProfileEncoding, AnsiValuesComeBackAsTheirCharacters) {
    EXPECT_EQ(iniRead("[S]\r\nk=\xE9t\xE9 \x80\r\n", L"S", L"k"), L"\u00e9t\u00e9 \u20ac");
    // A character the code page cannot hold does not survive.
    EXPECT_EQ(iniRead(iniWrite("", L"S", L"k", L"\u03a9"), L"S", L"k"), L"?");
}

TEST(ProfileEncoding, Utf8WithMarkIsReadAndKeptAsUtf8) {
    const std::string f = "\xEF\xBB\xBF[S]\r\na=\xC3\xA9t\xC3\xA9\r\n";
    EXPECT_EQ(iniRead(f, L"S", L"a"), L"\u00e9t\u00e9");
    EXPECT_EQ(iniWrite(f, L"S", L"b", L"\u00e8"), f + "b=\xC3\xA8\r\n");
    // Broken sequences read as replacement characters, never past the end.
    EXPECT_EQ(iniRead("\xEF\xBB\xBF[S]\r\na=\xC3\r\nb=\xE2\x82", L"S", L"a"), L"\ufffd");
    EXPECT_EQ(iniRead("\xEF\xBB\xBF[S]\r\na=\xC3\r\nb=\xE2\x82", L"S", L"b"), L"\ufffd\ufffd");
}

TEST(ProfileEncoding, Utf16FilesBothWays) {
    const char raw[] = "\xFF\xFE[\0S\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0";
    const std::string le(raw, sizeof raw - 1);
    EXPECT_EQ(iniRead(le, L"S", L"a"), L"\u00e9");
    const std::string written = iniWrite(le, L"S", L"b", L"\u00e8");
    EXPECT_EQ(written, le + std::string("b\0=\0\xE8\0\r\0\n\0", 10));
    std::string be = "\xFE\xFF";
    for (char c : std::string("[S]\r\nk=v\r\n")) {
        be.push_back('\0');
        be.push_back(c);
    }
    EXPECT_EQ(iniRead(be, L"S", L"k"), L"v");
    EXPECT_EQ(iniRead(std::string("\xFF\xFE[", 3), L"S", L"k"), std::nullopt);  // odd length
}

TEST(ProfileEncoding, CharactersBeyondTheBasicPlaneRoundTrip) {
    const std::string f = "\xEF\xBB\xBF[S]\r\nk=\xF0\x9F\x98\x80\r\n";
    const auto v = iniRead(f, L"S", L"k");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->size(), 2u);  // one surrogate pair, as the system counts
    EXPECT_EQ(iniWrite(f, L"S", L"k", *v), f);
}

}  // namespace
}  // namespace wardo::settings
