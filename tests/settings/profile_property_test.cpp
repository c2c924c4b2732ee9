// Random hand-edited files and random writes: a write changes exactly its own entry and reads back.
#include <gtest/gtest.h>

#include <cwctype>
#include <random>
#include <string>
#include <vector>

#include "settings/profile_format.h"

namespace wardo::settings {
namespace {

using text::Text;

const std::vector<std::string> kPieces = {
    "[S]",  "[s]",  "[T]",  "[ S ]",    "[]",           "[S", "S]",
    "k",    "K",    "x",    " ",        "\t",           "=",  "==",
    "\"",   "'",    ";",    "\r\n",     "\r",           "\n", std::string(1, '\0'),
    "\x1A", "\xA0", "\xE9", "\xFF\xFE", "\xEF\xBB\xBF", "v",  "long value here"};
const std::vector<Text> kSections = {L"S", L"s", L"T", L"", L"New"};
const std::vector<Text> kKeys = {L"k", L"K", L"x", L"k2", L""};
const std::vector<Text> kValues = {L"",  L"v",   L" padded ",      L"\"q\"",
                                   L"'", L"a=b", L"line\r\nbreak", L"\u00e9"};

std::string randomFile(std::mt19937& rng) {
    std::string f;
    const int n = std::uniform_int_distribution<int>(0, 40)(rng);
    for (int i = 0; i < n; ++i) f += kPieces[rng() % kPieces.size()];
    return f;
}

std::optional<Text> expectedRead(const Text& written) {
    Text v = written;
    for (auto& c : v)
        if (c == L'\r' || c == L'\n') c = L' ';
    const auto b = v.find_first_not_of(L' '), e = v.find_last_not_of(L' ');
    v = b == Text::npos ? Text() : v.substr(b, e - b + 1);
    if (v.size() >= 2 && (v[0] == L'"' || v[0] == L'\'') && v.back() == v[0]) v = v.substr(1, v.size() - 2);
    return v;
}

bool sameAsciiCase(const Text& a, const Text& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i])))
            return false;
    return true;
}

TEST(ProfileProperty, AWriteChangesOnlyItsEntryAndReadsBack) {
    std::mt19937 rng(20241209);
    for (int round = 0; round < 1000; ++round) {
        const std::string before = randomFile(rng);
        const Text& section = kSections[rng() % kSections.size()];
        const Text& key = kKeys[rng() % kKeys.size()];
        const Text& value = kValues[rng() % kValues.size()];
        const std::string after = iniWrite(before, section, key, value);
        SCOPED_TRACE(::testing::PrintToString(before));
        // The value reads back the way the system would give it (UTF files keep the accent too).
        EXPECT_EQ(iniRead(after, section, key), expectedRead(value));
        for (const auto& s : kSections) {
            for (const auto& k : kKeys) {
                if (sameAsciiCase(s, section) && sameAsciiCase(k, key)) continue;
                EXPECT_EQ(iniRead(after, s, k), iniRead(before, s, k));
            }
        }
    }
}

}  // namespace
}  // namespace wardo::settings
