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

// Presses the talk button while the microphone does not read `busy`. The room may never change the
// state (it refuses the microphone, or the button is gone), so the presses are bounded; a press that the
// client applies late gets a pause, and a fresh look, before the next one.
void RoomLink::pressMicroUntil(bool busy) {
    for (int presses = 0; MicroOccupe() != busy; ++presses) {
        if (presses == kMaxMicroPresses) return;
        if (presses > 0) {
            p_.loop.sleep(kPauseBetweenPressesMs);
            if (MicroOccupe() == busy) return;
        }
        press(HandleBoutonMicro);
    }
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
        while (MicroOccupe() && !decided() && !p_.loop.quitting()) p_.loop.doEvents();
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
