// The text operations the program's rules are written in, and their run-time errors.
#include "text/text.h"

#include <gtest/gtest.h>

namespace wardo::text {
namespace {

TEST(TextSearch, PositionsCountFromOneAndZeroMeansAbsent) {
    EXPECT_EQ(find(L"Join: Bob", L"Join: "), 1);
    EXPECT_EQ(find(L"a:b:c", L":", 3), 4);
    EXPECT_EQ(find(L"abc", L"x"), 0);
    EXPECT_EQ(find(L"abc", L"c", 4), 0);
    EXPECT_EQ(findLast(L"a:b:c", L":"), 4);
    // An empty text holds nothing; an empty pattern is found where the search starts.
    EXPECT_EQ(find(L"", L""), 0);
    EXPECT_EQ(find(L"abc", L""), 1);
    EXPECT_EQ(find(L"abc", L"", 3), 3);
    EXPECT_THROW(find(L"abc", L"a", 0), RuntimeError);
}

TEST(TextSlices, NegativeLengthsAreInvalidCalls) {
    EXPECT_EQ(mid(L"abcdef", 2, 3), L"bcd");
    EXPECT_EQ(mid(L"abcdef", 5), L"ef");
    EXPECT_EQ(mid(L"abc", 9), L"");
    EXPECT_EQ(left(L"abc", 9), L"abc");
    EXPECT_EQ(right(L"abc", 2), L"bc");
    try {
        left(L"abc", -1);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidCall);
    }
    EXPECT_THROW(mid(L"abc", 1, -2), RuntimeError);
    EXPECT_THROW(mid(L"abc", 0), RuntimeError);
    EXPECT_THROW(right(L"abc", -1), RuntimeError);
}

TEST(TextReplace, ScansLeftToRightWithoutRescanningReplacements) {
    EXPECT_EQ(replaceAll(L"aaa", L"aa", L"a"), L"aa");
    EXPECT_EQ(replaceAll(L"(12:00) Bob (12:00) ", L"(12:00) ", L""), L"Bob ");
    EXPECT_EQ(replaceAll(L"abc", L"", L"x"), L"abc");
    EXPECT_EQ(replaceAll(L"abab", L"b", L"bb"), L"abbabb");
}

TEST(TextTrim, OnlyBlanksGo) {
    EXPECT_EQ(trim(L"  Bob \t "), L"Bob \t");
    EXPECT_EQ(trim(L"    "), L"");
    EXPECT_EQ(trimLeft(L"  a "), L"a ");
    EXPECT_EQ(trimRight(L"  a "), L"  a");
}

TEST(TextSplit, LastElementIsWhatFollowsTheLastBreak) {
    EXPECT_EQ(splitCrLf(L"a\r\nb\r\n"), (std::vector<Text>{L"a", L"b", L""}));
    EXPECT_EQ(splitCrLf(L"a\r\nb"), (std::vector<Text>{L"a", L"b"}));
    EXPECT_EQ(splitCrLf(L"a\nb\rc"), (std::vector<Text>{L"a\nb\rc"}));
    EXPECT_EQ(splitCrLf(L"\r\n\r\n"), (std::vector<Text>{L"", L"", L""}));
    EXPECT_TRUE(splitCrLf(L"").empty());
    EXPECT_EQ(split(L"1|Bob|x", L"|"), (std::vector<Text>{L"1", L"Bob", L"x"}));
}

TEST(TextCase, AccentedCapitalsAreLoweredToo) {
    EXPECT_EQ(lower(L"ÉTÉ À LA MER ÙÈ ŒŸ"), L"été à la mer ùè œÿ");
    EXPECT_EQ(upper(L"été çà œÿ"), L"ÉTÉ ÇÀ ŒŸ");
    // The multiplication and division signs are not letters.
    EXPECT_EQ(lower(L"×"), L"×");
    EXPECT_EQ(upper(L"÷"), L"÷");
}

TEST(TextAnsi, EveryCodePageByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
    EXPECT_EQ(fromAnsi("\x80\x9C\xE9"), L"€œé");
    EXPECT_EQ(toAnsi(L"€é"), "\x80\xE9");
}

TEST(TextAnsi, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(toAnsi(L"a\u0416b\u4E2D"), "a?b?");
    EXPECT_EQ(toAnsi(L"\u0100"), "?");
}

TEST(TextNumbers, SixteenBitOverflowAndRoundingToEven) {
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    try {
        toInt16(32768);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::Overflow);
    }
    EXPECT_EQ(roundInt16(2.5), 2);
    EXPECT_EQ(roundInt16(3.5), 4);
    EXPECT_EQ(roundInt16(-2.5), -2);
    EXPECT_EQ(roundInt16(32767.4), 32767);
    EXPECT_THROW(roundInt16(32767.5), RuntimeError);
    EXPECT_THROW(roundInt32(1e10), RuntimeError);
    EXPECT_EQ(decimal(-123), L"-123");
}

TEST(TextNumbers, LeadingNumberOfAText) {
    EXPECT_EQ(val(L"  15j"), 15.0);
    EXPECT_EQ(val(L"-2.5 h"), -2.5);
    EXPECT_EQ(val(L"h15"), 0.0);
    EXPECT_EQ(val(L""), 0.0);
    EXPECT_EQ(hexOfByte(0x0A), L"0A");
}

}  // namespace
}  // namespace wardo::text
