#include "tools/server/sim_server.h"

namespace wardo::tools::server {

SimServer::SimServer(platform::sim::SimNetwork& network, platform::Digest& digest, platform::Endpoint where)
    : model(digest, robotKey()), at(std::move(where)), network_(network) {
    network_.listen(at, [this](const platform::Datagram& d) {
        if (auto reply = model.receive(d)) network_.send(at, reply->to, reply->bytes);
    });
}

void SimServer::sendInformation(const platform::Endpoint& to, const std::string& text) {
    network_.send(at, to, model.information(text));
}

}  // namespace wardo::tools::server
