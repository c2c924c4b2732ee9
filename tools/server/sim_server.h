// The server simulator on the simulated network: it listens at its address and answers there at once.
#pragma once
#include "platform/sim/sim_network.h"
#include "tools/server/server_model.h"

namespace wardo::tools::server {

class SimServer {
public:
    SimServer(platform::sim::SimNetwork& network, platform::Digest& digest, platform::Endpoint at);

    // Sends an information text from the server's address.
    void sendInformation(const platform::Endpoint& to, const std::string& text);

    ServerModel model;
    const platform::Endpoint at;

private:
    platform::sim::SimNetwork& network_;
};

}  // namespace wardo::tools::server
