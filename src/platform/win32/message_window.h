// A hidden message-only window of our own, for the messages the system sends to a window only: the event
// loop's timers and posted work, a socket's arrivals.
#pragma once
#include <windows.h>

#include "platform/win32/scoped_win.h"

namespace wardo::platform::win32 {

// A message-only window of the class `className` (registered on first use) whose messages go to `proc`,
// with `owner` in its GWLP_USERDATA; an empty one when the system refuses the class or the window.
ScopedWindow createMessageWindow(const wchar_t* className, WNDPROC proc, void* owner);

}  // namespace wardo::platform::win32
