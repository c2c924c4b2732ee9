// A fresh program on a fresh simulated desktop, with a configuration folder ready for its settings file.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "app/principale.h"
#include "app/program.h"
#include "panel/reglages.h"
#include "platform/sim/sim_desktop.h"
#include "tools/room/sim_room.h"
#include "ui/headless_host.h"

namespace wardo::app::testing {

class AppTest : public ::testing::Test {
protected:
    static constexpr const wchar_t* kAppData = L"C:\\Users\\Modo\\AppData\\Roaming";
    static constexpr const wchar_t* kIni = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\wardo.ini";

    AppTest() {
        desk.env.set(L"APPDATA", kAppData);
        std::filesystem::create_directories(desk.files.hostPath(std::wstring(kAppData) + L"\\Wardo"));
        freshProgram();
    }
    // A new program on the same desktop and files, as at the next start.
    void freshProgram() {
        program.reset();
        program = std::make_unique<Program>(desk.platform(), host);
    }

    void writeIni(const std::string& content) {
        std::ofstream(desk.files.hostPath(kIni), std::ios::binary) << content;
    }
    std::string readIni() { return desk.files.readAll(kIni).value_or(""); }
    // A file of the simulated desktop, its folders made.
    void makeFile(const std::wstring& path, const std::string& bytes) {
        std::filesystem::create_directories(desk.files.hostPath(path).parent_path());
        ASSERT_TRUE(desk.files.writeAllAtomic(path, bytes));
    }

    Principale& startUp() {
        program->principale().show();
        return program->principale();
    }
    Principale& principale() { return program->principale(); }

    panel::Reglages& reglages() { return program->reglages(); }

    platform::sim::SimDesktop desk;
    ui::HeadlessHost host;
    std::unique_ptr<Program> program;
};

// With room windows on the desktop (the test program links the room simulator).
class RoomTest : public AppTest {
protected:
    // A room window, above those opened before.
    room::SimRoom& openRoom(room::SimRoomOptions o = {}) {
        rooms.push_back(std::make_unique<room::SimRoom>(desk.windows, desk.loop, std::move(o)));
        return *rooms.back();
    }
    std::vector<std::unique_ptr<room::SimRoom>> rooms;
};

}  // namespace wardo::app::testing
