#include "chatlink/room_link.h"

namespace wardo::chatlink {

namespace {

// GetClassNameA / GetWindowTextA get a buffer of 255 bytes: at most 254 characters come back.
constexpr int kNameBuffer = 255;

}  // namespace

void RoomLink::press(WindowHandle w) {
    p_.windows.mouseDown(w);
    p_.windows.mouseUp(w);
}

// The input line's whole content is replaced: text the user was typing there is lost, never sent.
void RoomLink::EnvoieChat(const text::Text& line) {
    p_.windows.setText(HandleSaisieChat, text::toAnsi(line));
    press(HandleBoutonEnvoi);
    p_.loop.sleep(150);
}

bool RoomLink::MicroOccupe() {
    const bool first = p_.windows.isEnabled(HandleBoutonMicro);
    const bool second = p_.windows.isEnabled(HandleBoutonMicro2);
    return !(first && second);
}

// Presses the talk button while the microphone does not read `busy`. The client may apply a press only
// after a round trip to the room's server: a second press before the first has shown would toggle the
// microphone back, so each press gets up to a second to show. The room may also never change the
// state (it refuses the microphone, or the button is gone): the presses are bounded.
void RoomLink::pressMicroUntil(bool busy) {
    for (int presses = 0; presses < kMaxMicroPresses && MicroOccupe() != busy; ++presses) {
        press(HandleBoutonMicro);
        if (microReadsWithin(busy, kPressAnswerMs)) return;
    }
}

// Blocking: the state is another program's, and nothing of ours may run between the presses.
bool RoomLink::microReadsWithin(bool busy, int ms) {
    for (int waited = 0; waited < ms; waited += kPressPollMs) {
        if (MicroOccupe() == busy) return true;
        p_.loop.sleep(kPressPollMs);
    }
    return false;
}

void RoomLink::PrendMicro() {
    pressMicroUntil(true);
}

void RoomLink::LibereMicro() {
    pressMicroUntil(false);
}

void RoomLink::AttendMicroLibre() {
    EmissionSonAnnulee = false;
    EmissionSonImmediate = false;
    auto decided = [this] { return EmissionSonAnnulee || EmissionSonImmediate; };
    if (MicroOccupe()) {
        if (notice) notice->showNotice();
        // The program may end while it waits (the panel closed): then every loop stops.
        // The state is another program's: no message tells of its change, so each pass yields a while.
        while (MicroOccupe() && !decided() && !p_.loop.quitting()) p_.loop.waitForEvents(kWaitYieldMs);
    }
    if (notice) notice->hideNotice();
    p_.loop.doEvents();
    if (!decided() && !p_.loop.quitting()) press(HandleBoutonMicro);
}

text::Text RoomLink::ClasseFenetre(WindowHandle w) {
    return text::fromAnsi(p_.windows.classNameA(w, kNameBuffer));
}

text::Text RoomLink::TexteFenetre(WindowHandle w) {
    return text::fromAnsi(p_.windows.windowTextA(w, kNameBuffer));
}

}  // namespace wardo::chatlink
