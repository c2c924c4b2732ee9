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

    void EnvoieChat(const text::Text& line);
    bool MicroOccupe();
    void PrendMicro();
    void LibereMicro();
    void AttendMicroLibre();

    text::Text ClasseFenetre(WindowHandle w);
    text::Text TexteFenetre(WindowHandle w);

    // Bounds of PrendMicro / LibereMicro when the room never changes the microphone's state.
    static constexpr int kMaxMicroPresses = 10;
    static constexpr int kPauseBetweenPressesMs = 50;

private:
    void press(WindowHandle w);
    platform::Platform& p_;
};

}  // namespace wardo::chatlink
