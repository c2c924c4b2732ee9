// A started panel (both information frames already read, so the first activation runs lancement) whose
// program holds the handles of a room on the simulated desktop; the lines typed into the room are read
// back with their virtual times.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "chatlink/attach.h"
#include "panel_fixture.h"
#include "tools/room/sim_room.h"

namespace wardo::panel::testing {

// One line typed into the room: its text (ANSI) and when its WM_SETTEXT went, in ms after a mark.
struct Typed {
    std::string line;
    std::int64_t atMs;
    bool operator==(const Typed&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Typed& t) {
        return os << "\"" << t.line << "\" at " << t.atMs;
    }
};

class AttachedPanelTest : public PanelTest {
protected:
    // `parametres`: lines of [Parametres] after the two flags; `sections`: whole sections after it.
    Reglages& startPanel(const std::string& parametres = "", const std::string& sections = "") {
        attach();
        showPanel("[Parametres]\r\nAffInfos1=N\r\nAffInfos2=N\r\n" + parametres + sections);
        mark();
        return reglages();
    }
    void attach() {
        // Attached as the robot attaches: through the search of the room's controls.
        chatlink::StockeHandles(program->room, chatlink::RechercheComplete(program->room, room.browser()));
    }
    // From here on, times count from now and only later messages are read.
    void mark() {
        desk.windows.clearLog();
        t0 = desk.loop.nowMs();
    }
    std::int64_t elapsed() { return desk.loop.nowMs() - t0; }

    // Every line sent: a WM_SETTEXT on the input line followed by a press of the send button.
    std::vector<Typed> typed() const {
        std::vector<Typed> lines;
        const platform::sim::SentMessage* pending = nullptr;
        for (const auto& m : desk.windows.log()) {
            if (m.kind == platform::sim::MessageKind::SetText && m.window == room.inputLine()) pending = &m;
            if (m.kind == platform::sim::MessageKind::LButtonUp && m.window == room.sendButton() && pending) {
                lines.push_back({pending->text, pending->timeMs - t0});
                pending = nullptr;
            }
        }
        return lines;
    }

    room::SimRoom room{desk};
    std::int64_t t0 = 0;
};

}  // namespace wardo::panel::testing
