// Finding the room's browser window, the chat panel inside it and the panel's chat controls.
#pragma once
#include "chatlink/room_link.h"

namespace wardo::chatlink {

// What one search of the room's window found; 0 where nothing was found.
struct ChatControls {
    WindowHandle panel = 0;
    WindowHandle texte = 0;   // first "RichEdit20W"
    WindowHandle saisie = 0;  // first "Edit"
    WindowHandle envoi = 0;   // first "Button"
    WindowHandle micro = 0;   // 8th "Button"
    WindowHandle micro2 = 0;  // 9th "Button"
};

// The first visible, titled top-level window whose class is exactly "IEFrame"; 0 when none.
WindowHandle ChercheIEFrame(RoomLink& link);

// The fixed path from the browser window to the chat panel: its 5th child, that window's 2nd child, then
// the first child four times. A step from 0 gives 0.
WindowHandle CheminPanneauChat(platform::WindowSystem& windows, WindowHandle browser);

// The chat controls among the panel's direct children, in child order. Nothing is searched under 0.
ChatControls RechercheControles(RoomLink& link, WindowHandle panel);

// browser -> path -> controls, in one go (the browser may be 0).
ChatControls RechercheComplete(RoomLink& link, WindowHandle browser);

// An attach succeeds when the panel, the text pane, the input line and the send button were all found;
// the microphone buttons may be missing.
bool PanneauComplet(const ChatControls& found);

// Stores a search's result into the shared chat handles, as every attach does.
void StockeHandles(RoomLink& link, const ChatControls& found);

}  // namespace wardo::chatlink
