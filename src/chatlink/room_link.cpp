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

RoomLink::MicButtons RoomLink::micButtons() {
    return {p_.windows.isEnabled(HandleBoutonMicro), p_.windows.isEnabled(HandleBoutonMicro2)};
}

bool RoomLink::MicroOccupe() {
    return micButtons().busy();
}

// Presses the talk button while the microphone does not read `busy`. The client may apply a press only
// after a round trip to the room's server: a second press before the first has landed would toggle the
// microphone back, so the talk button is pressed again only when neither button has moved for
// kPressAnswerMs. A move that does not yet read as asked (a client that greys both buttons while it
// asks its server) still tells that the press was seen. The room may also never change the state (it
// refuses the microphone, or the button is gone): the presses are bounded.
void RoomLink::pressMicroUntil(bool busy) {
    for (int presses = 0; presses < kMaxMicroPresses; ++presses) {
        const MicButtons before = micButtons();
        if (before.busy() == busy) return;
        press(HandleBoutonMicro);
        if (watchMicro(busy, before, kPressAnswerMs) != PressAnswer::None) return;
    }
}

// Blocking: the state is another program's, and nothing of ours may run between the presses. Each
// pause sleeps the thread, so the watch costs no processor time.
RoomLink::PressAnswer RoomLink::watchMicro(bool busy, MicButtons before, int ms) {
    const std::int64_t deadline = p_.loop.nowMs() + ms;
    bool moved = false;
    for (;;) {
        const MicButtons now = micButtons();
        if (now.busy() == busy) return PressAnswer::Shown;
        moved = moved || now != before;
        if (p_.loop.nowMs() >= deadline) return moved ? PressAnswer::Moved : PressAnswer::None;
        p_.loop.sleep(kPressPollMs);
    }
}

bool RoomLink::microReadsWithin(bool busy, int ms) {
    return watchMicro(busy, micButtons(), ms) == PressAnswer::Shown;
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
