#include "tools/server/server_model.h"

#include "cipher/keys.h"
#include "serverlink/frame/frame.h"
#include "text/text.h"

namespace wardo::tools::server {

namespace frame = serverlink::frame;

ServerModel::ServerModel(platform::Digest& digest, std::string key) : digest_(digest), key_(std::move(key)) {}

std::optional<Reply> ServerModel::receive(const platform::Datagram& datagram) {
    auto message = frame::read(datagram.bytes, key_, digest_);
    received_.push_back({datagram.from, datagram.bytes, message});
    // "MSGOK" and "MSGINI" start with "MSG" too, but only a robot sends support messages.
    if (!message || message->rfind(frame::kSupport, 0) != 0 || message->rfind(frame::kDelivered, 0) == 0 ||
        message->rfind(frame::kInformation, 0) == 0)
        return std::nullopt;
    return Reply{datagram.from, frame::build(frame::kDelivered, key_, digest_)};
}

std::string ServerModel::information(const std::string& text) {
    return frame::build(std::string(frame::kInformation) + text, key_, digest_);
}

std::string robotKey() {
    return text::toAnsi(cipher::CleLiaison());
}

}  // namespace wardo::tools::server
