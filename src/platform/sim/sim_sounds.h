// Sounds on the simulated desktop: every play and beep is recorded with its virtual time; the blocking
// ones take their duration off the virtual clock.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/event_loop.h"

namespace wardo::platform::sim {

enum class SoundKind { Wav, Beep, MessageBeep };

struct PlayedSound {
    SoundKind kind;
    std::wstring path;  // Wav only
    bool async = false;
    int frequencyHz = 0;  // Beep only
    int durationMs = 0;   // how long the call blocked
    std::int64_t timeMs;  // when it started
    bool played = true;
};

class SimSounds : public Sounds {
public:
    explicit SimSounds(EventLoop& clock) : clock_(clock) {}

    bool playWav(const std::wstring& path, bool async) override;
    void beep(int frequencyHz, int durationMs) override;
    void messageBeep() override;

    // How long a synchronous play of a file blocks (default for files not listed: wavDefaultMs).
    void setDuration(const std::wstring& path, int ms) { durations_[path] = ms; }
    int wavDefaultMs = 1000;
    // Whether a file can be played; empty: every file plays.
    std::function<bool(const std::wstring&)> playable;

    const std::vector<PlayedSound>& played() const { return played_; }
    void clear() { played_.clear(); }

private:
    EventLoop& clock_;
    std::map<std::wstring, int> durations_;
    std::vector<PlayedSound> played_;
};

}  // namespace wardo::platform::sim
