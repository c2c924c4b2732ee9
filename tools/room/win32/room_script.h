// The room simulator's commands (see room_protocol.h) applied to the room model.
#pragma once
#include <cstdint>
#include <optional>

#include "tools/room/room_model.h"

namespace wardo::room {

struct CommandOutcome {
    std::intptr_t answer = 0;
    bool quit = false;
    bool cleared = false;           // the text pane must be emptied before showing the text again
    std::optional<Text> inputLine;  // the input line's new content
    bool query = false;             // an answer the host fills in (pending)
};

// A command in its text form; never throws, a malformed command is refused.
CommandOutcome runRoomCommand(RoomModel& model, const Text& command);

}  // namespace wardo::room
