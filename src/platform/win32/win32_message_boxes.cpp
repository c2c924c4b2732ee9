// Placement uses a computer-based-training hook on this thread only: the first window that the thread
// activates after the hook is installed is the box, which is moved there without changing its size
// or order. The hook removes itself at that moment; it never outlives the call that installed it, so a
// box that could not be shown, or never activated, leaves no hook behind. Every notification that the
// hook does not act on goes on to the next hook of the chain.
#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include "platform/win32/scoped_win.h"
#include "platform/win32/win32_handle.h"

namespace wardo::platform::win32 {
namespace {

struct Placement {
    ScopedHook hook;
    POINT at{};
};
thread_local Placement* activePlacement = nullptr;

LRESULT CALLBACK placeOnActivate(int code, WPARAM wp, LPARAM lp) {
    Placement* placement = activePlacement;
    if (code != HCBT_ACTIVATE || placement == nullptr || !placement->hook)
        return CallNextHookEx(nullptr, code, wp, lp);
    SetWindowPos(reinterpret_cast<HWND>(wp), nullptr, placement->at.x, placement->at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placement->hook.reset();
    return 0;  // the activation goes ahead
}

}  // namespace

int Win32MessageBoxes::showStyled(const std::wstring& text, const std::wstring& title, int style,
                                  const Point* at, WindowHandle owner) {
    Placement placement;
    Placement* const outer = activePlacement;
    if (at != nullptr) {
        placement.at = POINT{at->x, at->y};
        placement.hook.reset(SetWindowsHookExW(WH_CBT, &placeOnActivate, nullptr, GetCurrentThreadId()));
        activePlacement = &placement;
    }
    // An owned window always stands above its owner, a topmost owner included; a box of no window opens
    // below every topmost window.
    HWND parent = owner != 0 ? toHwnd(owner) : GetActiveWindow();
    const int code = MessageBoxW(parent, text.c_str(), title.c_str(), static_cast<UINT>(style));
    activePlacement = outer;
    // A box that could not be shown answers 0 (or -1 from the dialog behind it); the hook goes with
    // `placement`.
    return code > 0 ? code : box::kNoBox;
}

}  // namespace wardo::platform::win32
