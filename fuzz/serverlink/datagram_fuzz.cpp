// Fuzzes what the robot does with a datagram: LitMessageServeur on any bytes, and the start-up window's
// handling of an arrival from the server or from elsewhere, on one program that lives across inputs.
// The first byte picks the case: 0 any bytes from the server, 1 the rest framed as a valid datagram
// from the server, 2 a valid datagram from another address; the rest is the datagram or the message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/principale.h"
#include "app/program.h"
#include "platform/sim/sim_desktop.h"
#include "serverlink/frame/frame.h"
#include "serverlink/server_link.h"
#include "ui/headless_host.h"

namespace {

using namespace wardo;

struct Robot {
    Robot() {
        desk.env.set(L"APPDATA", L"C:\\Fuzz");
        program.principale().load();
        for (int p = serverlink::frame::kFirstLocalPort; p <= serverlink::frame::kLastLocalPort; ++p)
            if (desk.network.bound(p)) port = p;
    }
    platform::sim::SimDesktop desk;
    ui::HeadlessHost host;
    app::Program program{desk.platform(), host};
    int port = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Robot robot;
    if (size == 0 || robot.port == 0) return 0;
    app::Program& program = robot.program;
    const std::string key = text::toAnsi(program.CleLiaison);
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);

    const text::Text read = serverlink::LitMessageServeur(program, rest);
    if (read.size() > rest.size()) std::abort();

    const text::Text before = program.MessageServeur;
    const platform::Endpoint server = program.principale().RemoteServeur();
    const platform::Endpoint robotAt{"127.0.0.1", robot.port};
    switch (data[0] % 3) {
        case 0:
            robot.desk.network.send(server, robotAt, rest);
            break;
        case 1: {
            const std::string datagram = serverlink::frame::build(rest, key, robot.desk.digest);
            const auto back = serverlink::frame::read(datagram, key, robot.desk.digest);
            // Only a body that holds "##" is lost, and only the code 255 comes back otherwise.
            if (back && rest.find('\xFF') == std::string::npos && *back != rest) std::abort();
            robot.desk.network.send(server, robotAt, datagram);
            break;
        }
        default:
            robot.desk.network.send({"10.0.0.7", server.port}, robotAt,
                                    serverlink::frame::build("MSGINIfaux", key, robot.desk.digest));
            break;
    }
    robot.desk.loop.doEvents();
    if (program.MessageServeurPresent && text::find(program.MessageServeur, L"$") != 0) std::abort();
    if (data[0] % 3 == 2 && program.MessageServeur != before) std::abort();
    return 0;
}
