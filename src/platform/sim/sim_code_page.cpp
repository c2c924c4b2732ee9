#include "platform/sim/sim_code_page.h"

#include <cstdint>

namespace wardo::platform::sim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void put16(std::wstring& out, char32_t u) {
    if (u < 0x10000) {
        out.push_back(static_cast<wchar_t>(u));
    } else {
        u -= 0x10000;
        out.push_back(static_cast<wchar_t>(0xD800 + (u >> 10)));
        out.push_back(static_cast<wchar_t>(0xDC00 + (u & 0x3FF)));
    }
}

void put8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (u >> 6)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else if (u < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (u >> 12)));
        out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (u >> 18)));
        out.push_back(static_cast<char>(0x80 | ((u >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
}

class Utf8 final : public text::AnsiCodePage {
public:
    std::wstring decode(std::string_view bytes) const override {
        std::wstring out;
        out.reserve(bytes.size());
        for (std::size_t i = 0; i < bytes.size();) i += sequence(bytes.substr(i), out);
        return out;
    }

    std::string encode(std::wstring_view text) const override {
        std::string out;
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<char32_t>(static_cast<std::uint16_t>(text[i]));
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
                const auto low = static_cast<char32_t>(static_cast<std::uint16_t>(text[i + 1]));
                if (low >= 0xDC00 && low < 0xE000) {
                    put8(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                    ++i;
                    continue;
                }
            }
            put8(out, c >= 0xD800 && c < 0xE000 ? kReplacement : c);
        }
        return out;
    }

private:
    // Decodes the sequence at the start of `s` into `out`; the bytes it took (1 for an invalid byte).
    static std::size_t sequence(std::string_view s, std::wstring& out) {
        const auto lead = static_cast<unsigned char>(s[0]);
        std::size_t length = 0;
        char32_t u = 0, least = 0;
        if (lead < 0x80) {
            out.push_back(static_cast<wchar_t>(lead));
            return 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, u = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, u = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, u = lead & 0x07, least = 0x10000;
        }
        if (length == 0 || s.size() < length) {
            out.push_back(static_cast<wchar_t>(kReplacement));
            return 1;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(s[k]);
            if ((b & 0xC0) != 0x80) {
                out.push_back(static_cast<wchar_t>(kReplacement));
                return 1;
            }
            u = (u << 6) | (b & 0x3F);
        }
        if (u < least || u > 0x10FFFF || (u >= 0xD800 && u < 0xE000)) {
            out.push_back(static_cast<wchar_t>(kReplacement));
            return 1;
        }
        put16(out, u);
        return length;
    }
};

const Utf8 kUtf8;

}  // namespace

const text::AnsiCodePage& utf8CodePage() {
    return kUtf8;
}

}  // namespace wardo::platform::sim
