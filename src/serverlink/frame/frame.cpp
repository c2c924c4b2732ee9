#include "serverlink/frame/frame.h"

namespace wardo::serverlink::frame {

std::string build(std::string_view message, std::string_view key, platform::Digest& digest) {
    std::string body = scramble(message, key);
    const std::string sum = digest.md5Hex(body);
    body += kSeparator;
    body += sum;
    return body;
}

std::optional<std::string> read(std::string_view datagram, std::string_view key, platform::Digest& digest) {
    // Split at every "##", left to right: exactly two pieces, so exactly one separator.
    const std::size_t at = datagram.find(kSeparator);
    if (at == std::string_view::npos) return std::nullopt;
    if (datagram.find(kSeparator, at + kSeparator.size()) != std::string_view::npos) return std::nullopt;
    const std::string_view body = datagram.substr(0, at);
    const std::string_view sum = datagram.substr(at + kSeparator.size());
    if (sum != digest.md5Hex(std::string(body))) return std::nullopt;
    return unscramble(body, key);
}

}  // namespace wardo::serverlink::frame
