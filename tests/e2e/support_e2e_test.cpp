// The support window in the real program: opened from the about pane reached through the help menu,
// typed into, sent to the server simulator on the loopback, and turned green by its answer.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <vector>

#include "attached_panel.h"
#include "platform/win32/win32_digest.h"
#include "server_process.h"
#include "serverlink/frame/frame.h"
#include "tools/server/server_model.h"

namespace wardo::e2e {
namespace {

TEST(SupportE2e, WrittenFromTheAboutPaneAndDeliveredToTheServer) {
    const int port = ownServerPort(0);
    ServerProcess server(widePath(WARDO_SERVER_EXE), loopbackAt(port) + L" --raw");
    ASSERT_TRUE(server.waitForOutput("listening on", 10000)) << server.output();
    const std::string setting = serverSetting(widePath(WARDO_SERVER_EXE), port);
    ASSERT_FALSE(setting.empty());
    AttachedPanel run("[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n" + setting);
    ASSERT_NE(run.panel, nullptr);

    // "Aide", then "A propos" in the help menu.
    ASSERT_TRUE(pickInMenu(run.panel, run.find(L"Aide"), L"A propos"));
    // The about pane's own title: the start-up window shows the version too.
    HWND title = run.find(L"W A R D O ");
    ASSERT_NE(title, nullptr);
    HWND pane = GetParent(title);
    ASSERT_TRUE(waitFor([&] { return placeInWindow(pane).x == pixels(150); }, 5000));

    HWND support = run.find(L"Écrire au support", 1000);
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(GetParent(support), pane);
    press(support);
    HWND window = run.find(L"Envoi d'un message au suport");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitFor(
        [&] { return IsWindowVisible(window) && controlsOfClass(window, L"Edit").size() == 5; }, 5000));

    const std::vector<HWND> boxes = controlsOfClass(window, L"Edit");  // Pseudo, Code, Visio, Email, Texte
    EXPECT_EQ(controlText(boxes[1]), L"1.52 - Zorro_75");
    type(boxes[0], L"Alice");
    type(boxes[2], L"Salle des amis");
    type(boxes[3], L"alice@example.org");
    type(boxes[4], L"Le micro ne se prend plus, déjà #£ hier");
    HWND send = waitForControlText(window, L"Envoyer le message au support", 1000);
    ASSERT_NE(send, nullptr);
    press(send);

    ASSERT_TRUE(server.waitForOutput("answered MSGOK", 10000)) << server.output();
    const std::string message =
        "MSGAlice#\xA3"
        "1.52 - Zorro_75#\xA3Salle des amis#\xA3"
        "alice@example.org#\xA3Le micro ne se prend plus, d\xE9j\xE0 #\xA3 hier";
    platform::win32::Win32Digest digest;
    const std::string datagram = serverlink::frame::build(message, tools::server::robotKey(), digest);
    const std::string& out = server.output();
    const std::size_t raw = out.find("raw: " + hexOf(datagram));
    ASSERT_NE(raw, std::string::npos) << out;
    EXPECT_TRUE(std::isspace(static_cast<unsigned char>(out[raw + 5 + datagram.size() * 2]))) << out;

    HWND delivered =
        waitForControlText(window, L"Message transmis - Vous pouvez refermer cette fenêtre", 10000);
    ASSERT_NE(delivered, nullptr);
    HWND notice = GetParent(delivered);
    // Hiding the button is the delivered state's last step; the notice then covers the message box, and
    // shows green once nothing lies over it.
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(send); }, 5000));
    EXPECT_EQ(placeInWindow(notice).y, placeInWindow(boxes[4]).y);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(waitFor(
        [&] {
            return screenPixel(notice, POINT{10, pixels(900)}) == RGB(0, 0xC0, 0);
        },
        5000))
        << std::hex << screenPixel(notice, POINT{10, pixels(900)});
}

}  // namespace
}  // namespace wardo::e2e
