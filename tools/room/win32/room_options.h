// The room simulator's command line: --title TEXT, --nick NICK, --buttons N (1 to 20), --no-control, and
// --class NAME, the browser window's class (another class than "IEFrame" hides the room from the
// robot's automatic search).
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/room/room_model.h"

namespace wardo::room {

struct RoomOptions {
    Text title = L"Salon de test";
    Text nick = L"Moderateur";
    Text browserClass = L"IEFrame";
    int buttons = 9;  // "Button" children of the chat panel: 1st send, 8th and 9th microphone
    bool controlWindow = true;
};

// The options, or nothing with `error` set. `args` excludes the program's name.
std::optional<RoomOptions> parseRoomOptions(const std::vector<Text>& args, Text& error);

}  // namespace wardo::room
