// A fresh program on a fresh simulated desktop with its configuration folder, for the list editors.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/program.h"
#include "editors/messages_edit.h"
#include "editors/opening.h"
#include "editors/raisons_edit.h"
#include "editors/sons_edit.h"
#include "panel/reglages.h"
#include "platform/sim/sim_desktop.h"
#include "settings/settings_file.h"
#include "ui/headless_host.h"

namespace wardo::editors::testing {

class EditorsTest : public ::testing::Test {
public:
    static constexpr const wchar_t* kConfig = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\";
    static constexpr const wchar_t* kIni = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\wardo.ini";

    EditorsTest() {
        desk.env.set(L"APPDATA", L"C:\\Users\\Modo\\AppData\\Roaming");
        std::filesystem::create_directories(desk.files.hostPath(kConfig));
        program = std::make_unique<app::Program>(desk.platform(), host);
        program->DossierConfig = kConfig;  // as the start-up window sets it
        // The editors open from the panel, always loaded by then; the file it wrote while loading
        // goes, so that each case starts from its own.
        program->reglages().load();
        std::filesystem::remove(desk.files.hostPath(kIni));
    }

    void writeIni(const std::string& content) {
        std::ofstream(desk.files.hostPath(kIni), std::ios::binary) << content;
    }
    std::string readIni() { return desk.files.readAll(kIni).value_or(""); }
    Text lit(const Text& section, int key) { return program->LitIni(section, text::decimal(key)); }
    // A file of the simulated desktop, its folders made.
    void makeFile(const Text& path, const std::string& bytes = "RIFF") {
        std::filesystem::create_directories(desk.files.hostPath(path).parent_path());
        ASSERT_TRUE(desk.files.writeAllAtomic(path, bytes));
    }
    // SetWindowPos calls on the panel, in order.
    std::vector<std::string> panelOrder() {
        std::vector<std::string> out;
        for (const auto& m : desk.windows.logFor(program->reglages().handle())) out.push_back(m.text);
        return out;
    }

    platform::sim::SimDesktop desk;
    ui::HeadlessHost host;
    std::unique_ptr<app::Program> program;
};

}  // namespace wardo::editors::testing
