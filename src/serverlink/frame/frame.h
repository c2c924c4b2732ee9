// The datagram format shared by the robot and its server: the message scrambled with the shared key,
// "##", then the 32 lower-case hexadecimal digits of the MD5 digest of the scrambled body. Everything
// here works on bytes of the ANSI code page, as they travel.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace wardo::serverlink::frame {

inline constexpr std::string_view kSeparator = "##";
inline constexpr int kServerPort = 190;
inline constexpr int kFirstLocalPort = 1752;
inline constexpr int kLastLocalPort = 1800;

// Message kinds: the first characters of the message in clear.
inline constexpr std::string_view kSupport = "MSG";         // to the server: a support message
inline constexpr std::string_view kDelivered = "MSGOK";     // from the server, exactly this
inline constexpr std::string_view kInformation = "MSGINI";  // from the server, then the text

// Adds the key's codes over the text's, wrapping past 255 by subtracting 255 (so 256 gives 1 and 255
// stays); the key is walked again from its first character when the text is longer.
std::string scramble(std::string_view text, std::string_view key);
// Subtracts them back, adding 255 below 0: undoes scramble for every code but 255, which returns as 0.
std::string unscramble(std::string_view text, std::string_view key);

// The datagram that carries `message`.
std::string build(std::string_view message, std::string_view key, platform::Digest& digest);
// The message a datagram carries; nothing when it holds other than exactly one "##" or when its digest
// differs from the body's (letter case included).
std::optional<std::string> read(std::string_view datagram, std::string_view key, platform::Digest& digest);

}  // namespace wardo::serverlink::frame
