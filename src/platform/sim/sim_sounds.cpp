#include "platform/sim/sim_sounds.h"

namespace wardo::platform::sim {

bool SimSounds::playWav(const std::wstring& path, bool async) {
    bool ok = !playable || playable(path);
    int blocks = 0;
    if (ok && !async) {
        auto it = durations_.find(path);
        blocks = it == durations_.end() ? wavDefaultMs : it->second;
    }
    played_.push_back(PlayedSound{SoundKind::Wav, path, async, 0, blocks, clock_.nowMs(), ok});
    clock_.sleep(blocks);
    return ok;
}

void SimSounds::beep(int frequencyHz, int durationMs) {
    int blocks = durationMs > 0 ? durationMs : 0;
    played_.push_back(PlayedSound{SoundKind::Beep, {}, false, frequencyHz, blocks, clock_.nowMs(), true});
    clock_.sleep(blocks);
}

void SimSounds::messageBeep() {
    played_.push_back(PlayedSound{SoundKind::MessageBeep, {}, true, 0, 0, clock_.nowMs(), true});
}

}  // namespace wardo::platform::sim
