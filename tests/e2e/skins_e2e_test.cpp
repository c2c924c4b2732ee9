// A skin chosen in the real program's skins pane, reached through "Configurer", colours the title image
// at once and again after a restart.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

constexpr COLORREF kSkinColour = RGB(30, 160, 220);

// A 24-bit bitmap of 16 by 8 pixels in one colour.
void writeBitmap(const std::filesystem::path& file, COLORREF colour) {
    constexpr int kWidth = 16, kHeight = 8, kRow = kWidth * 3;
    BITMAPFILEHEADER head{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = kWidth;
    info.biHeight = kHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    head.bfType = 0x4D42;  // "BM"
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = head.bfOffBits + kRow * kHeight;
    std::string pixels;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        pixels += static_cast<char>(GetBValue(colour));
        pixels += static_cast<char>(GetGValue(colour));
        pixels += static_cast<char>(GetRValue(colour));
    }
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&head), sizeof head);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out << pixels;
}

std::wstring itemText(HWND list, int index) {
    wchar_t buffer[256] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, index, 0) >= 255) return L"";
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// The colour in the middle of the title image, across the top of the panel.
COLORREF titleColour(HWND panel) {
    return screenPixel(panel, POINT{pixels(4560) / 2, pixels(360) / 2});
}

TEST(SkinsE2e, TheChosenSkinShowsOnTheTitleAndAgainAfterARestart) {
    std::wstring appData;
    {
        AttachedPanel run("[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n");
        ASSERT_NE(run.panel, nullptr);
        appData = run.appData();
        const std::filesystem::path skins = std::filesystem::path(appData) / L"Wardo" / L"skins";
        std::filesystem::create_directories(skins);
        writeBitmap(skins / L"Ocean.BMP", kSkinColour);
        ASSERT_NE(titleColour(run.panel), kSkinColour);

        ASSERT_TRUE(pickInMenu(run.panel, run.find(L"Configurer"), L"Skins"));

        HWND choisir = run.find(L"Choisir ce skin");
        ASSERT_NE(choisir, nullptr);
        HWND pane = GetParent(choisir);
        ASSERT_TRUE(waitFor([&] { return placeInWindow(pane).x == pixels(150); }, 5000));
        const auto lists = controlsOfClass(pane, L"ListBox");
        ASSERT_EQ(lists.size(), 1u);
        HWND list = lists[0];
        EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(itemText(list, 0), L"ocean");
        EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);

        press(choisir);
        EXPECT_TRUE(waitFor([&] { return titleColour(run.panel) == kSkinColour; }, 5000))
            << std::hex << titleColour(run.panel);
        // The title shows the skin as soon as it is set; the choice is stored after.
        const std::wstring ini = run.config() + L"wardo.ini";
        EXPECT_TRUE(waitFor([&] { return fileText(ini).find("Skin=ocean.bmp") != std::string::npos; }, 5000))
            << fileText(ini);

        HWND close = closeImage(run.panel);
        ASSERT_NE(close, nullptr);
        click(close);
        ASSERT_EQ(run.program().waitExit(10000), std::optional<DWORD>(0));
    }
    AttachedPanel again(appData);
    ASSERT_NE(again.panel, nullptr);
    EXPECT_TRUE(waitFor([&] { return titleColour(again.panel) == kSkinColour; }, 5000))
        << std::hex << titleColour(again.panel);
}

}  // namespace
}  // namespace wardo::e2e
