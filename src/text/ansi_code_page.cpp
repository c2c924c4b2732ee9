#include "text/ansi_code_page.h"

#include <array>
#include <atomic>
#include <cstdint>

#include "text/text.h"

namespace wardo::text {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes, which map to the C1 control of
// the same value as the system's conversion does.
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr std::array<char16_t, 256> kCp1252 = [] {
    std::array<char16_t, 256> table{};
    for (unsigned b = 0; b < 256; ++b) table[b] = static_cast<char16_t>(b);
    for (unsigned i = 0; i < 32; ++i)
        if (kCp1252High[i] != 0) table[0x80 + i] = kCp1252High[i];
    return table;
}();

class Windows1252 final : public AnsiCodePage {
public:
    std::wstring decode(std::string_view bytes) const override {
        std::wstring out(bytes.size(), L'\0');
        wchar_t* to = out.data();
        for (const char ch : bytes) *to++ = static_cast<wchar_t>(kCp1252[static_cast<unsigned char>(ch)]);
        return out;
    }

    std::string encode(std::wstring_view text) const override {
        std::string out(text.size(), '\0');
        char* to = out.data();
        for (const wchar_t c : text) *to++ = byteOf(static_cast<std::uint32_t>(c));
        return out;
    }

private:
    static char byteOf(std::uint32_t u) {
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
        for (unsigned b = 0x80; b < 0xA0; ++b)
            if (kCp1252[b] == u) return static_cast<char>(b);
        return '?';
    }
};

const Windows1252 kWindows1252;
std::atomic<const AnsiCodePage*> installed{nullptr};

}  // namespace

const AnsiCodePage& windows1252() {
    return kWindows1252;
}

void useAnsiCodePage(const AnsiCodePage* codePage) {
    installed.store(codePage, std::memory_order_release);
}

const AnsiCodePage& ansiCodePage() {
    const AnsiCodePage* codePage = installed.load(std::memory_order_acquire);
    return codePage != nullptr ? *codePage : kWindows1252;
}

std::string toAnsi(std::wstring_view s) {
    return ansiCodePage().encode(s);
}

Text fromAnsi(std::string_view bytes) {
    return ansiCodePage().decode(bytes);
}

}  // namespace wardo::text
