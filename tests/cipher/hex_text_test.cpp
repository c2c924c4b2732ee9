// TexteVersHex and HexVersTexte: digits, case, malformed input, and the events pumped per character.
#include <gtest/gtest.h>

#include <string>

#include "cipher/crypt_text.h"

namespace wardo::cipher {
namespace {

using text::Text;

// An event loop that only counts its passes.
class CountingLoop : public platform::EventLoop {
public:
    int passes = 0;
    std::int64_t nowMs() override { return 0; }
    void sleep(int) override {}
    void doEvents() override { ++passes; }
    void waitForEvents(int) override { ++passes; }
    using platform::EventLoop::startTimer;
    platform::TimerId startTimer(int, std::function<void()>, platform::TimerNesting) override { return 0; }
    void stopTimer(platform::TimerId) override {}
    void post(std::function<void()>) override {}
    void runUntil(const std::function<bool()>&) override {}
    void quit(int) override {}
    bool quitting() const override { return false; }
    std::wstring timeOfDay() override { return L"00:00:00"; }
    std::wstring userTimeOfDay() override { return L"00:00:00"; }
    long secondsSinceMidnight() override { return 0; }
    std::int64_t secondsClock() override { return 0; }
};

Text everyCode() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    return text::fromAnsi(bytes);
}

TEST(TexteVersHex, GivesTwoUpperCaseDigitsPerAnsiCode) {
    EXPECT_EQ(TexteVersHex(L"\n", nullptr), L"0A");
    EXPECT_EQ(TexteVersHex(L"", nullptr), L"");
    EXPECT_EQ(TexteVersHex(L"A\u20ac\u00ff\u0100", nullptr), L"4180FF3F");

    const Text hex = TexteVersHex(everyCode(), nullptr);
    ASSERT_EQ(hex.size(), 512u);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(hex.substr(2 * static_cast<std::size_t>(b), 2), text::hexOfByte(b));
    EXPECT_EQ(HexVersTexte(hex), everyCode());
}

TEST(TexteVersHex, PumpsEventsOncePerCharacter) {
    CountingLoop loop;
    EXPECT_EQ(TexteVersHex(Text(32, L'z'), loop).size(), 64u);
    EXPECT_EQ(loop.passes, 32);
    TexteVersHex(L"", loop);
    EXPECT_EQ(loop.passes, 32);
}

TEST(TexteVersHex, HandlersRunDuringTheConversionNeitherStopNorChangeIt) {
    Text source = L"abc";
    int calls = 0;
    const Text hex = TexteVersHex(source, [&] {
        source = L"zzzzzz";
        if (++calls == 2) text::fail(text::ErrorCode::InvalidCall, "a handler failed");
    });
    EXPECT_EQ(hex, L"616263");
    EXPECT_EQ(calls, 3);
}

TEST(HexVersTexte, ReadsEitherCase) {
    EXPECT_EQ(HexVersTexte(L"0a"), L"\n");
    EXPECT_EQ(HexVersTexte(L"0A"), L"\n");
    EXPECT_EQ(HexVersTexte(L"4a6B80"), L"Jk\u20ac");
    EXPECT_EQ(HexVersTexte(L""), L"");
}

TEST(HexVersTexte, MalformedPairsStopAtTheirFirstNonDigit) {
    EXPECT_EQ(HexVersTexte(L"414"), Text(L"A\x04"));    // odd last digit read alone
    EXPECT_EQ(HexVersTexte(L"ZZ41"), Text(L"\0A", 2));  // no digit: code 0
    EXPECT_EQ(HexVersTexte(L"1Z"), Text(L"\x01"));
    EXPECT_EQ(HexVersTexte(L"Z1"), Text(L"\0", 1));
    EXPECT_EQ(HexVersTexte(L" 1-1"), Text(L"\0\0", 2));
    EXPECT_EQ(HexVersTexte(L"G0\u00e9"), Text(L"\0\0", 2));
}

}  // namespace
}  // namespace wardo::cipher
