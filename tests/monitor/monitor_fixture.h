// The robot attached to a simulated room, its panel on screen: what the room shows reaches the poller,
// and every line the robot types, every sound and every box is read back with its virtual time.
#pragma once
#include <string>
#include <vector>

#include "monitor/line_interpretation.h"
#include "monitor/room_poller.h"
#include "panel_fixture.h"

namespace wardo::monitor::testing {

struct Typed {
    std::wstring line;
    std::int64_t atMs;  // from the test's own origin
    bool operator==(const Typed&) const = default;
};

struct Started {
    std::wstring file;  // the sound's file name, beside the program
    std::int64_t atMs;
    bool operator==(const Started&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Typed& t) {
    return os << '"' << text::toAnsi(t.line) << "\" at " << t.atMs;
}
inline std::ostream& operator<<(std::ostream& os, const Started& s) {
    return os << text::toAnsi(s.file) << " at " << s.atMs;
}

class MonitoredRoom : public panel::testing::PanelTest {
protected:
    static constexpr const char* kQuiet = "[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n";

    MonitoredRoom() {
        desk.loop.setTimeOfDay(21, 5, 0);
        room.model().setNick(L"Zorro_75");
        // The robot's phrase is never the room's first line, so the robot learns its nickname.
        room.model().notice(L"Bienvenue dans la salle !");
    }

    // The settings file (`ini` follows the quiet start-up keys of [Parametres]), the start-up window,
    // then "Connexion à la salle": the robot types its phrase and shows its panel. Logs, sounds and
    // boxes start empty, and times count from here.
    void attach(const std::string& ini = "") {
        writeIni(kQuiet + ini);
        startUp();
        desk.loop.runFor(1000);
        principale().Connexionroom.click();
        clearRecords();
    }
    void clearRecords() {
        desk.windows.clearLog();
        desk.sounds.clear();
        desk.boxes.clear();
        origin = desk.loop.nowMs();
    }

    RoomPoller& poller() { return reglages().part<RoomPoller>(); }
    LineInterpretation& interpretation() { return reglages().part<LineInterpretation>(); }

    std::vector<Typed> typed() {
        std::vector<Typed> lines;
        for (const auto& m : desk.windows.logFor(room.inputLine()))
            if (m.kind == platform::sim::MessageKind::SetText)
                lines.push_back({text::fromAnsi(m.text), m.timeMs - origin});
        return lines;
    }
    std::vector<Started> sounds() {
        const std::wstring folder = desk.files.programFolder();
        std::vector<Started> started;
        for (const auto& s : desk.sounds.played())
            started.push_back(
                {s.path.substr(0, folder.size()) == folder ? s.path.substr(folder.size()) : s.path,
                 s.timeMs - origin});
        return started;
    }
    // The times at which the poller read the room's text pane.
    std::vector<std::int64_t> ticks() {
        std::vector<std::int64_t> times;
        for (const auto& m : desk.windows.logFor(room.textPane()))
            if (m.kind == platform::sim::MessageKind::GetTextLength) times.push_back(m.timeMs - origin);
        return times;
    }
    std::int64_t now() { return desk.loop.nowMs() - origin; }

    room::SimRoom room{desk.windows, desk.loop};
    std::int64_t origin = 0;
};

}  // namespace wardo::monitor::testing
