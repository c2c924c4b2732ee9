// The sound editor's real chooser: a WAV made here in a folder of the C: drive is found through the
// drive, folder and file lists, copied into the sounds folder and named in the settings file.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "editors/opening.h"
#include "editors/sons_edit.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_text.h"
#include "ui/win32/win32_host.h"

namespace wardo::editors {
namespace {

namespace fs = std::filesystem;

// 8 samples of 8-bit mono silence at 8000 Hz.
const std::string kWav =
    std::string(
        "RIFF\x2C\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\x08\0\0\0",
        44) +
    std::string(8, '\x80');

struct Desktop {
    platform::win32::Win32Platform real;
    ui::win32::Win32Host host{real.platform()};

    HWND w(const ui::Control& c) const { return host.windowOf(c); }
    void notify(const ui::Control& c, WORD code) {
        SendMessageW(GetParent(w(c)), WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(w(c)));
    }
    // Picks `item` in a real list as the user does: a selection, then a double click when asked.
    bool pick(const ui::Control& list, const std::wstring& item, bool open) {
        const bool combo = list.kind() == ui::ControlKind::ComboBox;
        const LRESULT at = SendMessageW(w(list), combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                        static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
        if (at < 0) return false;
        SendMessageW(w(list), combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(at), 0);
        notify(list, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
        if (open) notify(list, LBN_DBLCLK);
        return true;
    }
};

std::wstring profileValue(const wchar_t* section, const std::wstring& file) {
    wchar_t buffer[800] = {};
    GetPrivateProfileStringW(section, L"1", L"", buffer, 800, file.c_str());
    return buffer;
}

TEST(SonsChooser, AWavChosenOnTheCDriveIsCopiedIntoTheSoundsFolder) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const fs::path root = fs::path(temp) / (L"wardo-sons-" + std::to_wstring(GetCurrentProcessId()));
    ASSERT_EQ(root.wstring().substr(0, 3), L"C:\\");
    fs::create_directories(root / L"AppData" / L"Wardo");
    fs::create_directories(root / L"Musique");
    std::ofstream(root / L"Musique" / L"fanfare.wav", std::ios::binary) << kWav;
    SetEnvironmentVariableW(L"APPDATA", (root / L"AppData").c_str());
    const std::wstring config = (root / L"AppData" / L"Wardo").wstring() + L"\\";
    {
        Desktop d;
        app::Program program(d.real.platform(), d.host);
        OuvreEditeurSons(program);
        SonsEdit& e = program.sonsEdit();
        SendMessageW(d.w(e.ReyCommand1), BM_CLICK, 0, 0);  // "Remplacer ce son"
        ASSERT_TRUE(IsWindowVisible(d.w(e.ReyCommand2)));
        ASSERT_TRUE(d.pick(e.Drive1, L"C:\\", false));
        ASSERT_EQ(e.Dir1.path(), L"C:\\");
        // From the root down to the music folder, one double click per folder.
        for (const fs::path& folder : root.relative_path() / L"Musique")
            ASSERT_TRUE(d.pick(e.Dir1, folder.wstring(), true)) << folder.string();
        ASSERT_TRUE(d.pick(e.File1, L"fanfare.wav", false));
        EXPECT_EQ(platform::win32::windowText(d.w(e.FichierWave)), L"fanfare.wav");
        SendMessageW(d.w(e.TitreSon), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Fanfare"));
        SendMessageW(d.w(e.ReyCommand2), BM_CLICK, 0, 0);  // "Valider modif"

        EXPECT_EQ(d.real.platform().files.readAll(config + L"Sons\\fanfare.wav"), kWav);
        EXPECT_EQ(profileValue(L"TitreSons", config + L"wardo.ini"), L"Fanfare");
        EXPECT_EQ(profileValue(L"Sons", config + L"wardo.ini"), L"fanfare.wav");
        EXPECT_TRUE(IsWindowVisible(d.w(e.ReyCommand1)));
    }
    SetEnvironmentVariableW(L"APPDATA", nullptr);
    fs::remove_all(root);
}

}  // namespace
}  // namespace wardo::editors
