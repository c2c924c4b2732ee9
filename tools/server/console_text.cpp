#include "tools/server/console_text.h"

#include "text/text.h"

namespace wardo::tools::server {

std::string utf8FromAnsi(const std::string& ansi) {
    std::string out;
    for (const wchar_t c : text::fromAnsi(ansi)) {
        const auto u = static_cast<unsigned>(c);
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::string ansiFromUtf8(const std::string& utf8) {
    text::Text wide;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int more = b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
        unsigned u = more == 2 ? b & 0x0F : b & 0x1F;
        bool valid = more > 0 && i + static_cast<std::size_t>(more) < utf8.size();
        for (int k = 1; valid && k <= more; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = (c & 0xC0) == 0x80;
            u = u << 6 | (c & 0x3F);
        }
        if (valid) {
            wide.push_back(static_cast<wchar_t>(u));
            i += static_cast<std::size_t>(more) + 1;
        } else {
            wide += text::fromAnsi(std::string(1, static_cast<char>(b)));
            ++i;
        }
    }
    return text::toAnsi(wide);
}

std::string hexOf(const std::string& bytes) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        out.push_back(kHex[static_cast<unsigned char>(c) >> 4]);
        out.push_back(kHex[static_cast<unsigned char>(c) & 15]);
    }
    return out;
}

}  // namespace wardo::tools::server
