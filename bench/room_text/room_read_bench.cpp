// Reading the room's whole text and splitting it into lines, as the robot does after every attach and
// on every poll: the cost as the room's text grows.
#include <benchmark/benchmark.h>

#include "chatlink/identification.h"
#include "platform/sim/sim_desktop.h"
#include "tools/room/sim_room.h"

namespace {

void ReadAndSplitRoomText(benchmark::State& state) {
    wardo::platform::sim::SimDesktop desk;
    wardo::room::SimRoom room(desk.windows, desk.loop);
    std::wstring text;
    for (long i = 0; i < state.range(0); ++i)
        text += L"(21:05) Membre" + std::to_wstring(i % 50) + L" : bonsoir la salle\r\n";
    room.model().appendRaw(text);
    wardo::chatlink::RoomLink link(desk.platform());
    link.HandleTexteChat = room.textPane();
    std::size_t lines = 0;
    for (auto _ : state) {
        const auto all = wardo::text::splitCrLf(wardo::chatlink::LitTexteSalle(link));
        lines = all.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(ReadAndSplitRoomText)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
