// The robot's hold on the room's window: the chat handles found at the last attach, and the few
// operations that every command, greeting and announcement goes through.
#pragma once
#include <functional>

#include "platform/platform.h"
#include "text/text.h"

namespace wardo::chatlink {

using platform::WindowHandle;

// Shows and hides the panel's "microphone busy" notice during AttendMicroLibre.
class MicroWaitNotice {
public:
    virtual ~MicroWaitNotice() = default;
    virtual void showNotice() = 0;
    virtual void hideNotice() = 0;
};

class RoomLink {
public:
    explicit RoomLink(platform::Platform& p) : p_(p) {}

    // Written together at every attach; 0 = not found.
    WindowHandle HandlePanneauChat = 0;
    WindowHandle HandleTexteChat = 0;
    WindowHandle HandleTexteChatControle = 0;
    WindowHandle HandleSaisieChat = 0;
    WindowHandle HandleBoutonEnvoi = 0;
    WindowHandle HandleBoutonMicro = 0;
    WindowHandle HandleBoutonMicro2 = 0;

    // Set by the panel's controls while AttendMicroLibre waits.
    bool EmissionSonAnnulee = false;
    bool EmissionSonImmediate = false;
    MicroWaitNotice* notice = nullptr;

    // Sets the input line (ANSI; characters outside the code page go out as '?'), presses send, then
    // blocks 150 ms. No handle is checked: with none the messages go nowhere and the pause still runs.
    void EnvoieChat(const text::Text& line);
    // Busy unless both microphone buttons are enabled windows.
    bool MicroOccupe();
    // Press the talk button until the microphone reads busy (Prend) or free (Libere). After each press
    // the buttons are watched (blocking, every kPressPollMs) for up to kPressAnswerMs; the talk button
    // is pressed again only when neither button changed in that time. At most kMaxMicroPresses.
    void PrendMicro();
    void LibereMicro();
    // Waits with the notice shown for a free microphone or a decision (the two flags), each pass
    // yielding up to kWaitYieldMs to the event loop (each look at another program's buttons costs a wake of
    // the thread: fewer looks keep the wait cheap), then takes it with one press unless a flag is set.
    // Also ends, pressing nothing, when the program is quitting.
    void AttendMicroLibre();
    // Watches the buttons (blocking, every kPressPollMs) until the microphone reads busy or free as
    // asked, for at most `ms`; false when it never did.
    bool microReadsWithin(bool busy, int ms);

    // A window's class name and text, at most 254 characters; "" when there is none.
    text::Text ClasseFenetre(WindowHandle w);
    text::Text TexteFenetre(WindowHandle w);

    platform::WindowSystem& windows() { return p_.windows; }

    static constexpr int kMaxMicroPresses = 2;
    static constexpr int kPressAnswerMs = 3000;
    // Every look wakes the thread, and a wake costs more than the look: a press's watch looks often
    // enough to follow the client, and no faster.
    static constexpr int kPressPollMs = 50;
    static constexpr int kWaitYieldMs = 50;

private:
    // Each microphone button's enabled state, read in the order MicroOccupe reads them.
    struct MicButtons {
        bool first;
        bool second;
        bool busy() const { return !(first && second); }
        bool operator==(const MicButtons&) const = default;
    };
    enum class PressAnswer { Shown, Moved, None };

    MicButtons micButtons();
    void press(WindowHandle w);
    void pressMicroUntil(bool busy);
    PressAnswer watchMicro(bool busy, MicButtons before, int ms);
    platform::Platform& p_;
};

}  // namespace wardo::chatlink
