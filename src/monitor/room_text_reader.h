// The room-text poller's read: the newest complete line of the room's text pane, found from the end
// of the text, so that a tick costs about one copy of the text however many lines the room holds.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "chatlink/room_link.h"

namespace wardo::monitor {

// The newest complete line of a room's text: the element just before the last one when the text is
// split at every CR LF pair (what follows the last pair is a line the room is still writing). Nothing
// when the text holds no CR LF pair. No limit on the number of lines.
std::optional<std::string_view> DerniereLigneComplete(std::string_view texte);

// Reads the text pane `HandleTexteChat` as the poller does at every tick: its length n, then the text
// with room for n + 1 characters, in the ANSI code page. Returns the newest complete line, converted,
// or nothing when there is none (an empty pane, no pane, a stale handle). A negative or overflowing
// length is a run-time error.
std::optional<text::Text> LitDerniereLigneChat(chatlink::RoomLink& link);

// The whole text of the pane, read as LitDerniereLigneChat reads it (the same guard on its length),
// converted: what the identification reads after an attach.
text::Text LitTexteSalle(chatlink::RoomLink& link);

// The same read for the poller, kept from one tick to the next: the line is converted only when its
// bytes differ from the previous read's (the conversion depends on the bytes alone), so a tick with no
// new line converts and allocates nothing beyond the copy of the pane's text.
class LecteurDerniereLigne {
public:
    // As LitDerniereLigneChat; the line stays valid until the next read. nullptr when there is none.
    const text::Text* lit(chatlink::RoomLink& link);

private:
    std::string octets_;  // the newest line's bytes at the previous read
    text::Text ligne_;    // and their conversion
};

}  // namespace wardo::monitor
