#include "chatlink/pickers/picker.h"

#include "chatlink/attach.h"
#include "chatlink/window_order.h"

namespace wardo::chatlink {

Picker::Picker(app::Program& program, text::Text name)
    : ui::Form(program.runtime, std::move(name)),
      Label1(*this, L"Label1"),
      Timer1(*this, L"Timer1"),
      program_(program) {
    onMouseDown = [this](int, int, int, int) { press(); };
    onMouseUp = [this](int, int, int, int) { release(false); };
    Label1.onMouseDown = [this](int, int, int, int) { press(); };
    Label1.onMouseUp = [this](int, int, int, int) { release(true); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

text::Text Picker::consigne(const text::Text& ouAppuyer, const text::Text& quiSeConnecte) {
    return L"Pour connecter la room, vous devez simplement faire ce qui suit : connectez-vous à la room "
           L"désirée. Ensuite posez votre souris " +
           ouAppuyer +
           L", puis cliquez à gauche. Le curseur se transforme en main. Sans lâcher le bouton de la "
           L"souris, emmenez la main sur le titre du site de la room, juste au dessus de la fenêtre de "
           L"la room. Lâchez alors la souris. Si vous ne vous êtes pas trompé, " +
           quiSeConnecte + L" se connectera tout seul.";
}

// Runs first in each picker's own design: the timer records from the load on, before any press.
void Picker::design() {
    Timer1.setInterval(100);
    Timer1.setEnabled(true);
}

void Picker::onActivate() {
    MetPremierPlan(platform().windows, handle());
}

void Picker::press() {
    Timer1.setEnabled(true);
    setMousePointer(ui::pointer::kCustom);
    try {
        setMouseIcon(platform().files.programFolder() + L"H_MOVE.CUR");
    } catch (const text::RuntimeError&) {
        // Without its cursor file the drag goes on all the same, under the pointer it already shows.
    }
}

void Picker::Timer1_Timer() {
    auto& windows = platform().windows;
    program_.HandleSousCurseur = windows.windowFromPoint(windows.cursorPos());
}

// No path walk: the window under the mouse must itself be the chat panel. A release elsewhere still
// overwrites the shared handles with what it found there.
void Picker::release(bool onLabel) {
    Timer1.setEnabled(false);
    setMousePointer(ui::pointer::kDefault);
    const ChatControls found = RechercheControles(program_.room, program_.HandleSousCurseur);
    StockeHandles(program_.room, found);
    if (PanneauComplet(found)) attached(onLabel);
}

void Picker::onUnload(bool& cancel) {
    cancel = true;
    program_.end(0);
}

}  // namespace wardo::chatlink
