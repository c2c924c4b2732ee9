// The sound editor's real chooser: a WAV made here in a folder of the C: drive is found through the
// drive, folder and file lists, copied into the sounds folder and named in the settings file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "editors/opening.h"
#include "editors/sons_edit.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_text.h"
#include "ui/win32/win32_host.h"

namespace wardo::editors {
namespace {

// A tenth of a second of 8-bit mono silence.
std::string silentWav() {
    auto u32 = [](std::string& s, unsigned v) {
        for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [](std::string& s, unsigned v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>((v >> 8) & 0xFF);
    };
    const unsigned samples = 800;
    std::string w = "RIFF";
    u32(w, 36 + samples);
    w += "WAVEfmt ";
    u32(w, 16);
    u16(w, 1);     // PCM
    u16(w, 1);     // mono
    u32(w, 8000);  // samples per second
    u32(w, 8000);  // bytes per second
    u16(w, 1);     // block
    u16(w, 8);     // bits
    w += "data";
    u32(w, samples);
    w.append(samples, static_cast<char>(0x80));
    return w;
}

std::string readFile(const std::wstring& path) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return "<none>";
    std::string bytes(GetFileSize(f, nullptr), '\0');
    DWORD got = 0;
    ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(f);
    return bytes;
}

std::wstring profileValue(const wchar_t* section, const wchar_t* key, const std::wstring& file) {
    wchar_t buffer[800] = {};
    GetPrivateProfileStringW(section, key, L"", buffer, 800, file.c_str());
    return buffer;
}

struct Desktop {
    platform::win32::Win32Platform real;
    ui::win32::Win32Host host{real.platform()};

    HWND w(const ui::Control& c) const { return host.windowOf(c); }
    void notify(const ui::Control& c, WORD code) {
        SendMessageW(GetParent(w(c)), WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(w(c)));
    }
    // Picks `item` in a real list box as the user does: a selection, then a double click if asked.
    bool pick(const ui::Control& list, const std::wstring& item, bool open) {
        const LRESULT at = SendMessageW(w(list), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(item.c_str()));
        if (at == LB_ERR) return false;
        SendMessageW(w(list), LB_SETCURSEL, static_cast<WPARAM>(at), 0);
        notify(list, LBN_SELCHANGE);
        if (open) notify(list, LBN_DBLCLK);
        return true;
    }
    void pump() {
        for (int i = 0; i < 5; ++i) real.loop().doEvents();
    }
};

TEST(SonsChooser, AWavChosenOnTheCDriveIsCopiedIntoTheSoundsFolder) {
    // A configuration folder and a folder of music under the temporary folder of the C: drive.
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring root = std::wstring(temp) + L"wardo-sons-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_EQ(root.substr(0, 3), L"C:\\");
    const std::wstring appData = root + L"\\AppData", config = appData + L"\\Wardo\\";
    for (const std::wstring& f : {root, appData, config, root + L"\\Musique"})
        ASSERT_TRUE(CreateDirectoryW(f.c_str(), nullptr));
    const std::wstring source = root + L"\\Musique\\fanfare.wav";
    const std::string wav = silentWav();
    HANDLE out = CreateFileW(source.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    DWORD put = 0;
    WriteFile(out, wav.data(), static_cast<DWORD>(wav.size()), &put, nullptr);
    CloseHandle(out);
    SetEnvironmentVariableW(L"APPDATA", appData.c_str());

    {
        Desktop d;
        app::Program program(d.real.platform(), d.host);
        OuvreEditeurSons(program);
        SonsEdit& e = program.sonsEdit();
        d.pump();
        ASSERT_TRUE(IsWindowVisible(d.host.windowOf(e)));
        SendMessageW(d.w(e.ReyCommand1), BM_CLICK, 0, 0);  // "Remplacer ce son"
        ASSERT_TRUE(e.ReyCommand2.visible());

        HWND drives = d.w(e.Drive1);
        const LRESULT c = SendMessageW(drives, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(L"C:\\"));
        ASSERT_NE(c, CB_ERR);
        SendMessageW(drives, CB_SETCURSEL, static_cast<WPARAM>(c), 0);
        d.notify(e.Drive1, CBN_SELCHANGE);
        ASSERT_EQ(e.Dir1.path(), L"C:\\");
        // From the root down to the music folder, one double click per folder.
        std::wstring rest = root.substr(3) + L"\\Musique";
        while (!rest.empty()) {
            const size_t cut = rest.find(L'\\');
            const std::wstring name = rest.substr(0, cut);
            rest = cut == std::wstring::npos ? L"" : rest.substr(cut + 1);
            ASSERT_TRUE(d.pick(e.Dir1, name, true)) << "no folder " << std::string(name.begin(), name.end());
        }
        EXPECT_EQ(lstrcmpiW(e.Dir1.path().c_str(), (root + L"\\Musique").c_str()), 0);
        ASSERT_TRUE(d.pick(e.File1, L"fanfare.wav", false));
        EXPECT_EQ(platform::win32::windowText(d.w(e.FichierWave)), L"fanfare.wav");
        SendMessageW(d.w(e.TitreSon), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Fanfare"));
        SendMessageW(d.w(e.ReyCommand2), BM_CLICK, 0, 0);  // "Valider modif"
        d.pump();

        EXPECT_EQ(readFile(config + L"Sons\\fanfare.wav"), wav);
        EXPECT_EQ(profileValue(L"TitreSons", L"1", config + L"wardo.ini"), L"Fanfare");
        EXPECT_EQ(profileValue(L"Sons", L"1", config + L"wardo.ini"), L"fanfare.wav");
        EXPECT_EQ(platform::win32::windowText(d.w(e.TitreSon)), L"Fanfare");
        EXPECT_TRUE(IsWindowVisible(d.w(e.ReyCommand1)));
    }

    SetEnvironmentVariableW(L"APPDATA", nullptr);
    DeleteFileW((config + L"Sons\\fanfare.wav").c_str());
    RemoveDirectoryW((config + L"Sons").c_str());
    DeleteFileW((config + L"wardo.ini").c_str());
    DeleteFileW(source.c_str());
    for (const std::wstring& f : {config, appData, root + L"\\Musique", root}) RemoveDirectoryW(f.c_str());
}

}  // namespace
}  // namespace wardo::editors
