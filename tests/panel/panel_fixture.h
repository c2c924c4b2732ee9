// A program whose start-up window has loaded, ready to load or show its panel.
#pragma once
#include <string>

#include "app_fixture.h"

namespace wardo::panel::testing {

class PanelTest : public app::testing::AppTest {
protected:
    // The settings file, then the start-up window (version, flags), then the panel's load.
    Reglages& loadPanel(const std::string& ini = "") {
        if (!ini.empty()) writeIni(ini);
        startUp();
        reglages().load();
        return reglages();
    }
    Reglages& showPanel(const std::string& ini = "") {
        loadPanel(ini);
        reglages().show();
        return reglages();
    }
    // Shown with both information frames already read: the first activation runs lancement.
    Reglages& showStarted() { return showPanel("[Parametres]\r\nAffInfos1=N\r\nAffInfos2=N\r\n"); }
    // Shows another window over the panel and takes it away: the panel is activated again.
    void reactivate() {
        principale().show();
        principale().hide();
        ASSERT_EQ(host.activeForm(), &reglages());
    }
    // The panel has run lancement: its room poller runs.
    bool launched() { return reglages().Boucle.running() && reglages().PanneauLance; }
    // The panel's window handle as the window system knows it.
    platform::WindowHandle panelHandle() { return reglages().handle(); }
    int topmostCalls(const char* order) {
        int n = 0;
        for (const auto& m : desk.windows.logFor(panelHandle()))
            if (m.kind == platform::sim::MessageKind::SetWindowPos && m.text == order) ++n;
        return n;
    }
};

}  // namespace wardo::panel::testing
