// What tests and other programs tell the room simulator, through WM_COPYDATA sent to its browser
// window (class "IEFrame" unless started with --class): dwData = kRoomCommandTag, lpData = one command in
// UTF-16, cbData its size in bytes (no terminator needed). The value that SendMessage returns is the
// command's answer.
//
//   join NICK            "Rejoint la salle : NICK"
//   say NICK LINE        "(HH:MM) NICK : LINE"
//   notice TEXT          TEXT as one line of the room
//   raw TEXT             exact characters, no line break added
//   input TEXT           the chat client puts TEXT into the input line (as when a nickname is clicked)
//   mic other | mic free another member takes or leaves the microphone
//   mic delay MS         each later press of the talk button takes effect MS ms after it (0 to 60000)
//   refuse on | off      the room refuses (or again allows) the user's microphone
//   nick NICK            the user's nickname in the room
//   clear                empties the room's text
//   count send | count mic   answers how many times that button was pressed
//   pending              answers how many characters are still to be shown in the text pane
//   quit                 closes the room
//
// Answers: kRoomDone for a command done, the number asked for by a query, kRoomRefused for a command
// not understood.
#pragma once
#include <cstdint>

namespace wardo::room {

constexpr std::uintptr_t kRoomCommandTag = 0x57524D43;  // "WRMC"
constexpr std::intptr_t kRoomDone = 1;
constexpr std::intptr_t kRoomRefused = -1;

}  // namespace wardo::room
