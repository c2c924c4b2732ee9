// Reading the room's text pane: at every tick of the poller (200 ms) for the newest complete line, and
// once per attach for the identification, beside a plain copy of the same text out of the pane; and the
// poller's whole tick. The room's text grows all evening, so both must stay close to the copy at every
// size.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "allocation_count.h"
#include "app/program.h"
#include "chatlink/attach.h"
#include "monitor/room_poller.h"
#include "monitor/room_text_reader.h"
#include "panel/reglages.h"
#include "platform/sim/sim_desktop.h"
#include "tools/room/sim_room.h"
#include "ui/headless_host.h"

namespace {

using wardo::text::Text;

// A room whose text pane holds about `bytes` bytes of chat lines, all complete; the message log is off,
// as a program running for hours would need.
struct Room {
    explicit Room(long bytes) {
        desk.windows.setLogging(false);
        Text text;
        for (long i = 0; static_cast<long>(text.size()) < bytes; ++i)
            text += L"(21:05) Membre" + std::to_wstring(i % 50) + L" : bonsoir la salle, ça va ?\r\n";
        room.model().appendRaw(text);
        link.HandleTexteChat = room.textPane();
        lines = static_cast<double>(wardo::text::splitCrLf(text).size() - 1);
        length = desk.windows.getTextLength(room.textPane());
    }

    wardo::platform::sim::SimDesktop desk;
    wardo::room::SimRoom room{desk.windows, desk.loop};
    wardo::chatlink::RoomLink link{desk.platform()};
    double lines = 0;
    long length = 0;
};

// The same room with the robot attached to it, its panel loaded: what the poller's tick works on.
struct Robot : Room {
    explicit Robot(long bytes) : Room(bytes) {
        desk.env.set(L"APPDATA", L"C:\\Users\\Modo\\AppData\\Roaming");
        std::filesystem::create_directories(desk.files.hostPath(L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo"));
        // Attached as the robot attaches: through the search of the room's controls.
        wardo::chatlink::StockeHandles(program.room,
                                       wardo::chatlink::RechercheComplete(program.room, room.browser()));
        program.reglages().load();
        poller = &program.reglages().part<wardo::monitor::RoomPoller>();  // found once, outside the timing
    }

    wardo::ui::HeadlessHost host;
    wardo::app::Program program{desk.platform(), host};
    wardo::monitor::RoomPoller* poller = nullptr;
};

// Runs `read` and reports the text's size, its lines and the allocations of one read.
template <typename Setup = Room, typename Read>
void measure(benchmark::State& state, Read read) {
    Setup r(state.range(0));
    read(r);  // the pane converts the room's text once per change, not at every read
    const long long before = allocationCount();
    for (auto _ : state) read(r);
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocationCount() - before),
                                                  benchmark::Counter::kAvgIterations);
    state.counters["lines"] = r.lines;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * r.length);
}

// The least any read of the pane costs: its whole text copied out once (WM_GETTEXT).
void CopyOfThePane(benchmark::State& state) {
    measure(state, [](Room& r) {
        std::string copy = r.desk.windows.getText(r.room.textPane(), r.length + 1);
        benchmark::DoNotOptimize(copy);
    });
}

// The poller's read at every tick, with its reader kept from one tick to the next.
void NewestCompleteLine(benchmark::State& state) {
    wardo::monitor::LecteurDerniereLigne reader;
    measure(state, [&reader](Room& r) {
        auto line = reader.lit(r.link);
        benchmark::DoNotOptimize(line);
    });
}

// One whole tick of the poller with no new line, as nearly every tick is: the read, the comparison, the
// microphone and key latches, the handle display.
void WholeTick(benchmark::State& state) {
    measure<Robot>(state, [](Robot& r) { r.poller->Boucle_Timer(); });
}

// The identification's read after every attach: the whole text converted and split into lines.
void WholeTextInLines(benchmark::State& state) {
    measure(state, [](Room& r) {
        auto lines = wardo::text::splitCrLf(wardo::monitor::LitTexteSalle(r.link));
        benchmark::DoNotOptimize(lines);
    });
}

#define ROOM_SIZES Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond)
BENCHMARK(CopyOfThePane)->ROOM_SIZES;
BENCHMARK(NewestCompleteLine)->ROOM_SIZES;
BENCHMARK(WholeTick)->ROOM_SIZES;
BENCHMARK(WholeTextInLines)->ROOM_SIZES;

}  // namespace
