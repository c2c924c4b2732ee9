#include "serverlink/frame/frame.h"

namespace wardo::serverlink::frame {
namespace {

// `sign` +1 scrambles, -1 unscrambles; an empty key changes nothing.
std::string walk(std::string_view text, std::string_view key, int sign) {
    std::string out;
    out.reserve(text.size());
    std::size_t j = 0;
    for (const char c : text) {
        int k = 0;
        if (!key.empty()) {
            k = static_cast<unsigned char>(key[j]);
            j = (j + 1) % key.size();
        }
        int v = static_cast<unsigned char>(c) + sign * k;
        if (v > 255) v -= 255;
        if (v < 0) v += 255;
        out.push_back(static_cast<char>(v));
    }
    return out;
}

}  // namespace

std::string scramble(std::string_view text, std::string_view key) {
    return walk(text, key, +1);
}

std::string unscramble(std::string_view text, std::string_view key) {
    return walk(text, key, -1);
}

}  // namespace wardo::serverlink::frame
