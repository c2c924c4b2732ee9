// What the priority wait and the push-to-talk key share: the tones, the take beep (once per take) and
// the robot's own take of the room's microphone.
#pragma once

namespace wardo::app {
class Program;
}

namespace wardo::commands {

struct Tone {
    int frequencyHz;
    int durationMs;
};
constexpr Tone kToneTake{1000, 50};
constexpr Tone kToneRelease{500, 50};
constexpr Tone kToneBusy{300, 500};  // the microphone is busy, or the wait for it gave up

void joue(app::Program& program, Tone tone);  // blocking, as every beep is
// The take beep: when the option is on and it has not sounded yet for this take.
void BipPrise(app::Program& program);
// The robot takes the microphone unless it already holds it.
void PriseRobot(app::Program& program);

}  // namespace wardo::commands
