// A fresh program on a fresh simulated desktop, with the server simulator listening at the robot's
// built-in server address.
#pragma once
#include "serverlink/frame/frame.h"
#include "serverlink/message.h"
#include "serverlink/server_link.h"
#include "tests/app/app_fixture.h"
#include "tools/server/sim_server.h"

namespace wardo::serverlink::testing {

class LinkTest : public app::testing::AppTest {
protected:
    static inline const platform::Endpoint kServeur{"127.0.0.1", 190};

    // The port the robot's socket is bound to; 0 when none.
    int robotPort() const {
        for (int port = 1752; port <= 1800; ++port)
            if (desk.network.bound(port)) return port;
        return 0;
    }
    platform::Endpoint robot() const { return {"127.0.0.1", robotPort()}; }

    // A datagram from `from` to the robot, handled as the event loop delivers it.
    void arrive(const platform::Endpoint& from, const std::string& bytes) {
        desk.network.send(from, robot(), bytes);
        desk.loop.doEvents();
    }
    // A valid datagram from the server carrying `message`.
    void fromServer(const std::string& message) {
        arrive(kServeur, frame::build(message, tools::server::robotKey(), desk.digest));
    }

    tools::server::SimServer server{desk.network, desk.digest, kServeur};
};

}  // namespace wardo::serverlink::testing
