// The robot's server as far as the robot can tell: it reads every datagram, answers a valid support
// message ("MSG") with "MSGOK", and builds information texts ("MSGINI"). Portable: hosted on the
// simulated network by SimServer and on a real UDP socket by wardo-server.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/network.h"

namespace wardo::tools::server {

struct Received {
    platform::Endpoint from;
    std::string raw;                     // the datagram as it came
    std::optional<std::string> message;  // in clear; nothing when the datagram is not valid
};

struct Reply {
    platform::Endpoint to;
    std::string bytes;
};

class ServerModel {
public:
    // `key`: the scrambling key shared with the robot, as bytes.
    ServerModel(platform::Digest& digest, std::string key);

    // One datagram that arrived; the answer to send back, if any.
    std::optional<Reply> receive(const platform::Datagram& datagram);
    // The datagram of an information text ("$" stands for a line break).
    std::string information(const std::string& text);

    const std::vector<Received>& received() const { return received_; }

private:
    platform::Digest& digest_;
    std::string key_;
    std::vector<Received> received_;
};

// The robot's own key, as bytes.
std::string robotKey();

}  // namespace wardo::tools::server
