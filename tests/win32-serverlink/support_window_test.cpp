// The support-message window on the real desktop, end to end: typed into its real controls, sent by its
// button to the server simulator over the loopback, and turned green by the simulator's answer.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "app/principale.h"
#include "app/program.h"
#include "cipher/crypt_text.h"
#include "cipher/keys.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_text.h"
#include "serverlink/frame/frame.h"
#include "serverlink/message.h"
#include "tests/e2e/server_process.h"
#include "tools/server/server_model.h"
#include "ui/win32/win32_host.h"

namespace wardo::serverlink {
namespace {

using text::Text;

// A settings folder that points the robot at 127.0.0.1:`port`, made the process's APPDATA.
void settingsFor(int port) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path appData =
        std::filesystem::path(temp) / (L"wardo-support-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(appData / L"Wardo");
    const Text server = L"127.0.0.1:" + std::to_wstring(port);
    const Text hex = cipher::TexteVersHex(cipher::CrypteTexte(server, cipher::CleTexte()), nullptr);
    std::ofstream(appData / L"Wardo" / L"wardo.ini")
        << "[Parametres]\r\nServeur=" << text::toAnsi(hex) << "\r\n";
    SetEnvironmentVariableW(L"APPDATA", appData.wstring().c_str());
}

TEST(SupportWindowOnTheDesktop, SendsTheTypedMessageAndTurnsGreenOnTheServersAnswer) {
    const int port = e2e::ownServerPort(0);
    const std::string exe = WARDO_SERVER_EXE;
    e2e::ServerProcess server(std::wstring(exe.begin(), exe.end()),
                              L"--address 127.0.0.1 --port " + std::to_wstring(port) + L" --raw");
    ASSERT_TRUE(server.waitForOutput("listening on", 10000)) << server.output();
    settingsFor(port);

    platform::win32::Win32Platform real;
    ui::win32::Win32Host host{real.platform()};
    app::Program program(real.platform(), host);
    program.principale().load();
    program.PseudoRobot = L"Bob";
    OuvreMessage(program);
    Message& m = program.message();
    // As typing does: a multi-line box reports no change for a whole new text (WM_SETTEXT).
    auto type = [&](ui::TextBox& box, const wchar_t* text) {
        SendMessageW(host.windowOf(box), EM_SETSEL, 0, -1);
        SendMessageW(host.windowOf(box), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    };
    type(m.Pseudo, L"Alice");
    type(m.Visio, L"Salle des amis");
    type(m.Email, L"alice@exemple.fr");
    type(m.Texte, L"Le micro ne se prend plus, déjà #£ hier");
    SendMessageW(host.windowOf(m.Envoi), BM_CLICK, 0, 0);

    ASSERT_TRUE(server.waitForOutput("answered MSGOK", 10000)) << server.output();
    const std::string message =
        "MSGAlice#\xA3"
        "1.52 - Bob#\xA3Salle des amis#\xA3"
        "alice@exemple.fr#\xA3Le micro ne se prend plus, "
        "d\xE9j\xE0 #\xA3 hier";
    platform::win32::Win32Digest digest;
    const std::string datagram = frame::build(message, tools::server::robotKey(), digest);
    const std::string& out = server.output();
    const std::size_t raw = out.find("raw: " + e2e::hexOf(datagram));
    ASSERT_NE(raw, std::string::npos) << out;
    EXPECT_TRUE(std::isspace(static_cast<unsigned char>(out[raw + 5 + datagram.size() * 2]))) << out;

    const Text delivered = L"Message transmis - Vous pouvez refermer cette fenêtre";
    const ULONGLONG start = GetTickCount64();
    while (m.Label7.caption() != delivered && GetTickCount64() - start < 5000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        real.loop().doEvents();
    }
    EXPECT_EQ(platform::win32::windowText(host.windowOf(m.Label7)), delivered);
    EXPECT_EQ(m.Frame1.backColor(), 0x00C000);
    EXPECT_EQ(m.Frame1.top(), m.Texte.top());
    EXPECT_FALSE(IsWindowVisible(host.windowOf(m.Envoi)));
}

}  // namespace
}  // namespace wardo::serverlink
