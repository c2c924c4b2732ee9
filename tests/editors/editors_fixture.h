// A fresh program on a fresh simulated desktop, its panel loaded, for the list editors.
#pragma once
#include "app_fixture.h"
#include "editors/messages_edit.h"
#include "editors/opening.h"
#include "editors/raisons_edit.h"
#include "editors/sons_edit.h"
#include "settings/settings_file.h"

namespace wardo::editors::testing {

class EditorsTest : public app::testing::AppTest {
public:
    static constexpr const wchar_t* kConfig = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\";

    EditorsTest() {
        program->DossierConfig = kConfig;  // as the start-up window sets it
        // The editors open from the panel, always loaded by then; the file it wrote while loading
        // goes, so that each case starts from its own.
        program->reglages().load();
        std::filesystem::remove(desk.files.hostPath(kIni));
    }

    Text lit(const Text& section, int key) { return program->LitIni(section, text::decimal(key)); }
    // SetWindowPos calls on the panel, in order.
    std::vector<std::string> panelOrder() {
        std::vector<std::string> out;
        for (const auto& m : desk.windows.logFor(program->reglages().handle())) out.push_back(m.text);
        return out;
    }
};

}  // namespace wardo::editors::testing
