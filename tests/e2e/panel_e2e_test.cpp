// The panel of the real program after "Connexion à la salle": a borderless, rounded, centred top-level
// window laid out in pixels from its twips, which the window system cannot close; its close image ends
// the program; its boxes open on the title image's corner, above the panel, and leave no hook behind.
#include <gtest/gtest.h>
#include <windows.h>

#include "attached_panel.h"
#include "panel_probe.h"

namespace wardo::e2e {
namespace {

TEST(PanelWindow, ABorderlessRoundedCentredWindowThatOnlyItsCloseImageEnds) {
    AttachedPanel run("[Parametres]\r\nAffWarning=N\r\n");
    HWND panel = run.panel;
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(GetAncestor(panel, GA_ROOT), panel);
    EXPECT_TRUE(IsWindowVisible(panel));

    const LONG style = GetWindowLongW(panel, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0);
    RECT window{}, client{};
    GetWindowRect(panel, &window);
    GetClientRect(panel, &client);
    EXPECT_EQ(window.right - window.left, pixels(4560));
    EXPECT_EQ(window.bottom - window.top, pixels(5415));
    EXPECT_EQ(client.right, window.right - window.left);
    // Centred on the screen, within the pixel that a half twip may cost.
    const int tpp = twipsPerPixel();
    EXPECT_NEAR(window.left, (GetSystemMetrics(SM_CXSCREEN) * tpp - 4560) / 2.0 / tpp, 1.0);
    EXPECT_NEAR(window.top, (GetSystemMetrics(SM_CYSCREEN) * tpp - 5415) / 2.0 / tpp, 1.0);

    platform::win32::ScopedGdiObject region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(panel, static_cast<HRGN>(region.get())), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(static_cast<HRGN>(region.get()), 0, 0));
    EXPECT_FALSE(PtInRegion(static_cast<HRGN>(region.get()), 302, 359));
    EXPECT_TRUE(PtInRegion(static_cast<HRGN>(region.get()), 152, 180));
    EXPECT_TRUE(PtInRegion(static_cast<HRGN>(region.get()), 7, 0));

    const struct {
        const wchar_t* text;
        int left, top;
    } controls[] = {{L"Configurer", 360, 405},  {L"Autres commandes", 1680, 405},
                    {L"Voice prio", 480, 2160}, {L"Avertir", 2950, 2160},
                    {L"Kick", 2400, 2640},      {L"Reco auto", 3105, 4725}};
    for (const auto& c : controls) {
        HWND h = run.find(c.text, 2000);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(GetAncestor(h, GA_ROOT), panel);
        const POINT at = placeInWindow(h);
        EXPECT_EQ(at.x, pixels(c.left)) << windowText(h);
        EXPECT_EQ(at.y, pixels(c.top)) << windowText(h);
    }

    // The task bar's close, Alt+F4 and a plain close request: the panel refuses them all.
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(panel, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, 5000, &result), 0);
    EXPECT_NE(SendMessageTimeoutW(panel, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0);
    EXPECT_TRUE(IsWindow(panel));
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_TRUE(run.program().running());

    HWND close = closeImage(panel);
    ASSERT_NE(close, nullptr);
    click(close);
    EXPECT_EQ(run.program().waitExit(10000), std::optional<DWORD>(0));
}

TEST(PanelWindow, APlacedBoxOpensOnTheTitleImagesCornerAndLeavesNoHook) {
    AttachedPanel run("[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n", WARDO_PROBE_EXE);
    HWND panel = run.panel;
    ASSERT_NE(panel, nullptr);
    // The user drags the panel elsewhere.
    SetWindowPos(panel, nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND title = childAt(panel, 5, 5);
    ASSERT_NE(title, nullptr);
    RECT corner{};
    GetWindowRect(title, &corner);

    const DWORD id = run.program().id();
    HWND probe = FindWindowW(kProbeClass, probeTitle(id).c_str());
    ASSERT_NE(probe, nullptr);
    PostMessageW(probe, kShowBox, 0, 0);
    // Found by its title alone, the box may not have taken its place yet: it does so as it is activated.
    HWND box = waitForBox(id, L"Question " + std::to_wstring(id));
    ASSERT_NE(box, nullptr);
    RECT placed{};
    GetWindowRect(box, &placed);
    EXPECT_EQ(placed.left, corner.left);
    EXPECT_EQ(placed.top, corner.top);
    PostMessageW(box, WM_COMMAND, IDYES, 0);

    waitFor([&] { return windowText(probe).rfind(L"answer=", 0) == 0; }, 10000);
    EXPECT_EQ(windowText(probe), L"answer=6 moved=0");
}

// Whether `upper` stands above `lower` in the order of the top-level windows.
bool above(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper) return true;
        if (w == lower) return false;
    }
    return false;
}

// The user works in the room's window when the room reports another level: the status box opens on the
// title image's corner and above the panel, which stands above all windows.
TEST(PanelWindow, TheStatusBoxStandsAboveThePanelWhileTheRoomsWindowIsActive) {
    AttachedPanel run("[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\nStatut=op\r\n");
    HWND panel = run.panel;
    ASSERT_NE(panel, nullptr);
    HWND title = childAt(panel, 5, 5);
    ASSERT_NE(title, nullptr);
    RECT corner{};
    GetWindowRect(title, &corner);
    HWND room = run.roomWindow();
    ASSERT_TRUE(waitFor(
        [&] {
            SetForegroundWindow(room);
            pumpFor(200);
            return GetForegroundWindow() == room;
        },
        10000));
    ASSERT_TRUE(topmost(panel));

    run.ask(L"notice Opération impossible. Votre statut est : OPPLUS.");
    HWND box = waitForBox(run.id(), L"Ajustement de statut");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(above(box, panel));
    RECT placed{};
    GetWindowRect(box, &placed);
    EXPECT_EQ(placed.left, corner.left);
    EXPECT_EQ(placed.top, corner.top);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }, 5000));
}

}  // namespace
}  // namespace wardo::e2e
