// Fuzzes the interpretation of a hostile room line, with the settings and the watched nicknames it
// reads, on one robot attached to a simulated room that lives across inputs. The first byte holds the
// switches; the rest is NUL-separated fields: the line, the welcome phrase, the last nickname greeted,
// then up to six watched nicknames (first character "1" for an active one). A line ends in the
// program's own run-time error or in at most one typed line, never a command the user did not write.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program.h"
#include "chatlink/attach.h"
#include "monitor/line_interpretation.h"
#include "panel/reglages.h"
#include "platform/sim/sim_desktop.h"
#include "tools/room/sim_room.h"
#include "ui/headless_host.h"

namespace {

using namespace wardo;

struct Robot {
    Robot() {
        desk.env.set(L"APPDATA", L"C:\\Fuzz");
        std::filesystem::create_directories(desk.files.hostPath(L"C:\\Fuzz\\Wardo"));
        // Attached as the robot attaches: through the search of the room's controls.
        chatlink::StockeHandles(program.room, chatlink::RechercheComplete(program.room, room.browser()));
        panel::Reglages& p = program.reglages();
        p.load();
        // Only the line under test is interpreted: no tick reads the room meanwhile.
        for (ui::Timer* t : {&p.Boucle, &p.TimerEtat, &p.Timer1, &p.BoucleLectPseudo}) t->setEnabled(false);
    }
    platform::sim::SimDesktop desk;
    room::SimRoom room{desk.windows, desk.loop};
    ui::HeadlessHost host;
    app::Program program{desk.platform(), host};
};

wchar_t premierNonBlanc(const std::wstring& s) {
    const auto p = s.find_first_not_of(L' ');
    return p == std::wstring::npos ? L'\0' : s[p];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Robot robot;
    if (size == 0) return 0;
    app::Program& p = robot.program;
    const std::uint8_t switches = data[0];
    std::vector<text::Text> fields;
    std::string field;
    for (std::size_t i = 1; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            fields.push_back(text::fromAnsi(field));
            field.clear();
        } else {
            field.push_back(static_cast<char>(data[i]));
        }
    }
    p.AccueilActif = switches & 1;
    p.AnnonceSonoreActive = switches & 2;
    p.IgnoreReentrantActif = switches & 4;
    p.DingAutorise = switches & 8;
    p.SaisieChatOccupee = switches & 16;
    p.BasculeEspaceAccueil = switches & 32;
    p.TexteAccueil = fields.size() > 1 ? fields[1] : L"(*)$N, bonjour, bienvenue sur notre room ! (*)";
    p.DernierPseudoEntre = fields.size() > 2 ? fields[2] : L"";
    for (std::size_t d = 1; d <= 6; ++d) {
        const text::Text w = fields.size() > d + 2 ? fields[d + 2] : L"";
        p.PseudosAlerte[d] = {w.empty() ? w : w.substr(1), w.empty() ? L"0" : w.substr(0, 1)};
    }
    robot.room.model().clear();
    robot.desk.windows.clearLog();
    robot.desk.boxes.clear();
    robot.desk.sounds.clear();

    text::Text ligne = fields[0];
    try {
        p.reglages().part<monitor::LineInterpretation>().traiteligne(ligne);
    } catch (const text::RuntimeError&) {
    }

    std::vector<std::string> typed;
    for (const auto& m : robot.desk.windows.logFor(robot.room.inputLine()))
        if (m.kind == platform::sim::MessageKind::SetText) typed.push_back(m.text);
    if (typed.size() > 1) std::abort();
    if (!typed.empty()) {
        if (!p.AccueilActif || p.SaisieChatOccupee) std::abort();
        const std::string& line = typed[0];
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos && line[first] == '/' && premierNonBlanc(p.TexteAccueil) != L'/')
            std::abort();
    }
    if (p.NiveauStatut < 0 || p.NiveauStatut > 4) std::abort();
    if (robot.desk.boxes.shown().size() > 4) std::abort();
    return 0;
}
