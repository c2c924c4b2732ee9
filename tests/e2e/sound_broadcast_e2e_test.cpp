// The sound broadcast of the real program: a sound replaced through the sound editor's chooser is played
// into the room between a take and a release of its microphone; a sound waiting for a busy microphone
// shows the panel's notice, leaves the processor alone, and "Annuler" drops it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "attached_panel.h"

namespace wardo::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSettings = "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n";
constexpr const wchar_t* kNotice =
    L"Le micro est occupé. Votre son sera émis en priorité dès qu'il sera libre.";

// 8 samples of 8-bit mono silence at 8000 Hz.
const std::string kWav =
    std::string(
        "RIFF\x2C\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\x08\0\0\0",
        44) +
    std::string(8, '\x80');

void writeWav(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << kWav;
}

// No sound device here: a play is seen by the sound file being read, which moves its last access time
// once that time is set back before the file's last change.
constexpr ULONGLONG kLongAgo = 126000000000000000ULL;  // 2000

ULONGLONG accessTime(const fs::path& file) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &d)) return 0;
    return (static_cast<ULONGLONG>(d.ftLastAccessTime.dwHighDateTime) << 32) |
           d.ftLastAccessTime.dwLowDateTime;
}

void setAccessLongAgo(const fs::path& file) {
    HANDLE h = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    const FILETIME t{static_cast<DWORD>(kLongAgo), static_cast<DWORD>(kLongAgo >> 32)};
    SetFileTime(h, nullptr, &t, nullptr);
    CloseHandle(h);
}

bool played(const fs::path& file) {
    return accessTime(file) != kLongAgo;
}

// Whether this file system records reads at all (it may be mounted without access times).
bool readsAreSeen(const fs::path& folder) {
    const fs::path probe = folder / L"probe.wav";
    writeWav(probe);
    setAccessLongAgo(probe);
    std::string bytes;
    std::ifstream(probe, std::ios::binary) >> bytes;
    const bool seen = played(probe);
    fs::remove(probe);
    return seen;
}

// "Sons  " on the panel; the list that it brings into view.
HWND openSoundList(AttachedPanel& run) {
    HWND button = run.find(L"Sons  ");
    if (button == nullptr) return nullptr;
    press(button);
    HWND list = nullptr;
    waitFor(
        [&] {
            list = listHolding(run.panel, L"ANNULER");
            return list != nullptr && placeInWindow(list).x == pixels(960);
        },
        5000);
    return list;
}

// Opens the folder `target` of the C: drive in the chooser's drive and folder lists, a double click per
// folder from the root down, and waits for its files.
bool openInChooser(HWND drives, HWND folders, const fs::path& target) {
    if (!pick(drives, L"C:\\")) return false;
    for (const fs::path& folder : target.relative_path()) {
        const std::wstring name = folder.wstring();
        if (!waitFor([&] { return pick(folders, name, true); }, 5000)) return false;
    }
    return true;
}

TEST(SoundBroadcast, ASoundReplacedInTheEditorIsPlayedBetweenTheTakeAndTheReleaseOfTheMicrophone) {
    const fs::path music = freshFolder(L"musique");
    ASSERT_EQ(music.wstring().substr(0, 3), L"C:\\");
    writeWav(music / L"fanfare.wav");

    AttachedPanel run(kSettings);
    ASSERT_NE(run.panel, nullptr);

    // "Configurer", "Sons": the sound editor.
    ASSERT_TRUE(pickInMenu(run.panel, run.find(L"Configurer"), L"Sons"));
    HWND editor = run.find(L"Choix des sons", 10000);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(editor) != FALSE; }, 5000));

    // "Remplacer ce son", the file found through the chooser, a title, "Valider modif".
    press(waitForControlText(editor, L"Remplacer ce son"));
    HWND chooser = run.find(L"Choix du fichier wav à prendre en compte");
    ASSERT_NE(chooser, nullptr);
    // Found by its title as soon as it exists; its controls are there once it shows.
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(chooser) != FALSE; }, 5000));
    const auto combos = controlsOfClass(chooser, L"ComboBox");
    const auto lists = controlsOfClass(chooser, L"ListBox");
    ASSERT_EQ(combos.size(), 1u);
    ASSERT_EQ(lists.size(), 2u);
    ASSERT_TRUE(openInChooser(combos[0], lists[0], music));
    ASSERT_TRUE(waitFor([&] { return pick(lists[1], L"fanfare.wav"); }, 5000));
    const auto boxes = controlsOfClass(editor, L"Edit");
    ASSERT_EQ(boxes.size(), 2u);
    ASSERT_TRUE(waitFor([&] { return controlText(boxes[1]) == L"fanfare.wav"; }, 5000));
    SendMessageW(boxes[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Fanfare"));
    press(waitForControlText(editor, L"Valider modif"));

    // The sound is copied into the sounds folder first; the slot's keys are written after.
    const std::wstring copy = run.config() + L"Sons\\fanfare.wav";
    const std::wstring ini = run.config() + L"wardo.ini";
    auto slot = [&](const wchar_t* section) {
        wchar_t value[64] = {};
        GetPrivateProfileStringW(section, L"1", L"", value, 64, ini.c_str());
        return std::wstring(value);
    };
    ASSERT_TRUE(waitFor([&] { return fileText(copy) == kWav && slot(L"Sons") == L"fanfare.wav"; }, 5000))
        << fs::exists(copy) << " " << testing::PrintToString(slot(L"Sons"));
    EXPECT_EQ(slot(L"TitreSons"), L"Fanfare");
    if (!readsAreSeen(music)) GTEST_SKIP() << "this file system keeps no access times: a play cannot be seen";
    PostMessageW(editor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitFor([&] { return !IsWindowVisible(editor); }, 5000));
    // The editor's own preview of the new sound reads it too: that read is over before the broadcast.
    for (int tries = 0; tries < 10 && (tries == 0 || played(copy)); ++tries) {
        setAccessLongAgo(copy);
        pumpFor(300);
    }
    ASSERT_FALSE(played(copy));

    // The room opens the microphone 600 ms after each press: the steps can be told apart from here.
    ASSERT_EQ(run.ask(L"mic delay 600"), 1);
    const long long before = run.ask(L"count mic");
    HWND sons = openSoundList(run);
    ASSERT_NE(sons, nullptr);
    EXPECT_EQ(SendMessageW(sons, LB_GETCOUNT, 0, 0), 25);
    ASSERT_TRUE(pick(sons, L"Fanfare"));

    struct Seen {
        Mic mic;
        long long presses;
        bool played;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    const bool ended = waitFor(
        [&] {
            const Seen now{roomMic(run.roomWindow()), run.ask(L"count mic") - before, played(copy)};
            if (seen.empty() || !(now == seen.back())) seen.push_back(now);
            return now == Seen{Mic::Free, 2, true};
        },
        15000);
    std::string steps;
    for (const Seen& s : seen)
        steps += std::to_string(static_cast<int>(s.mic)) + "/" + std::to_string(s.presses) + "/" +
                 (s.played ? "played " : "silent ");
    ASSERT_TRUE(ended) << steps;
    for (const Seen& s : seen) EXPECT_FALSE(s.played && s.presses < 1) << "played before the take: " << steps;
    EXPECT_NE(std::find(seen.begin(), seen.end(), Seen{Mic::Free, 1, false}), seen.end())
        << "the take pressed, the sound waiting for the room: " << steps;
    EXPECT_NE(std::find(seen.begin(), seen.end(), Seen{Mic::User, 2, true}), seen.end())
        << "played, then the release pressed while the room still gave the microphone: " << steps;
    fs::remove_all(music);
}

TEST(SoundBroadcast, ASoundWaitingForABusyMicrophoneLeavesTheProcessorAloneUntilAnnuler) {
    AttachedPanel run(std::string(kSettings) + "[TitreSons]\r\n1=Gong\r\n[Sons]\r\n1=gong.wav\r\n");
    ASSERT_NE(run.panel, nullptr);
    const fs::path gong = run.config() + L"Sons\\gong.wav";
    writeWav(gong);
    const bool readsSeen = readsAreSeen(gong.parent_path());
    setAccessLongAgo(gong);
    ASSERT_EQ(run.ask(L"mic other"), 1);
    const long long before = run.ask(L"count mic");

    HWND sons = openSoundList(run);
    ASSERT_NE(sons, nullptr);
    ASSERT_TRUE(pick(sons, L"Gong"));
    HWND notice = run.find(kNotice);
    ASSERT_NE(notice, nullptr);
    HWND frame2 = GetParent(notice);
    ASSERT_TRUE(waitFor([&] { return placeInWindow(frame2).x == pixels(480); }, 5000));

    // WARDO_SOUND_WAIT_SECONDS asks for a longer measurement.
    const double share = processorShare(run.id(), secondsAsked("WARDO_SOUND_WAIT_SECONDS", 5) * 1000u,
                                        "the robot waiting for a busy microphone");
    ASSERT_GE(share, 0);
    RecordProperty("cpu_percent", std::to_string(share));
    EXPECT_LT(share, 2.0);
    EXPECT_EQ(placeInWindow(frame2).x, pixels(480)) << "still waiting";

    HWND annuler = FindWindowExW(frame2, nullptr, nullptr, L"Annuler");
    ASSERT_NE(annuler, nullptr);
    press(annuler);
    ASSERT_TRUE(waitFor([&] { return placeInWindow(frame2).x == pixels(10000); }, 5000));
    pumpFor(500);
    EXPECT_EQ(run.ask(L"count mic"), before) << "the microphone is never pressed";
    EXPECT_EQ(roomMic(run.roomWindow()), Mic::Other);
    if (readsSeen) {
        EXPECT_FALSE(played(gong)) << "nothing is played";
    }
}

}  // namespace
}  // namespace wardo::e2e
