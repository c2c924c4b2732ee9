// The robot's reading loop, the tick of the panel's timer Boucle (200 ms): the newest complete line of
// the room's text handed once to the line interpretation, then the microphone and push-to-talk latches
// kept in step with the room and the handle display refreshed.
#pragma once
#include "app/program.h"
#include "monitor/room_text_reader.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::monitor {

class RoomPoller : public panel::Part {
public:
    RoomPoller(app::Program& program, panel::Reglages& panel);

    // One tick. A run-time failure anywhere in it (no complete line, a line that cannot be read) ends
    // it silently; the next tick starts afresh and never retries a line already handed over.
    void Boucle_Timer();

private:
    void lit();

    app::Program& program_;
    panel::Reglages& panel_;
    LecteurDerniereLigne lecteur_;
};

}  // namespace wardo::monitor
