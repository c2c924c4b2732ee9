// The system itself loads the generated drag cursor, with its hot spot where the picker expects it, and
// the key pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// A folder of a cross build on Linux is reached through Wine's drive Z:, the host's root.
std::wstring resourceFolder() {
    std::string dir = WARDO_RESOURCE_DIR;
    if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
    std::wstring wide(dir.begin(), dir.end());
    for (auto& c : wide)
        if (c == L'/') c = L'\\';
    return wide + L"\\";
}

TEST(Resources, DragCursorLoadsWithCentredHotSpot) {
    if (std::string(WARDO_RESOURCE_DIR).empty()) GTEST_SKIP() << "resources not generated in this build";
    HCURSOR cursor = LoadCursorFromFileW((resourceFolder() + L"H_MOVE.CUR").c_str());
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 16u);
    EXPECT_EQ(info.yHotspot, 16u);
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DestroyCursor(cursor);
}

TEST(Resources, KeyPicturesLoadAsBitmaps) {
    if (std::string(WARDO_RESOURCE_DIR).empty()) GTEST_SKIP() << "resources not generated in this build";
    for (const std::string name : {"touche_alt.bmp", "touche_ctrl.bmp", "touche_gauche.bmp",
                                   "touche_haut.bmp", "touche_bas.bmp", "touche_droite.bmp"}) {
        const std::wstring path = resourceFolder() + std::wstring(name.begin(), name.end());
        HANDLE picture = LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        ASSERT_NE(picture, nullptr) << name;
        BITMAP info{};
        GetObjectW(picture, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 48);
        EXPECT_EQ(info.bmHeight, 48);
        DeleteObject(picture);
    }
}

}  // namespace
