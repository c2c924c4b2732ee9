#include "chatlink/attach.h"

#include <array>
#include <string_view>

namespace wardo::chatlink {

namespace {

// Class names and titles as the system gives them (ANSI, at most 254 characters), read into a buffer on
// the stack: the handle display searches again at every tick of the poller. The names looked for are
// ASCII, so comparing the bytes is comparing the texts, without converting every window's name.
using NameBuffer = std::array<char, 255>;

// Child classes are matched as the system's child search does: without regard to ASCII letter case.
// Most names match as they stand, so the letters are folded only where they differ.
bool sameClass(std::string_view a, std::string_view wanted) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != wanted[i] && fold(a[i]) != fold(wanted[i])) return false;
    return true;
}

}  // namespace

WindowHandle ChercheIEFrame(RoomLink& link) {
    auto& w = link.windows();
    NameBuffer name;
    for (WindowHandle h = w.firstChild(w.desktop()); h != 0; h = w.nextSibling(h)) {
        if (w.windowTextInto(h, name).empty()) continue;
        if ((w.style(h) & platform::kStyleVisible) == 0) continue;
        if (w.classNameInto(h, name) == "IEFrame") return h;
    }
    return 0;
}

WindowHandle CheminPanneauChat(platform::WindowSystem& w, WindowHandle browser) {
    enum Step { Child, Next };
    static constexpr Step kPath[] = {Child, Next, Next, Next, Next, Child, Next, Child, Child, Child, Child};
    WindowHandle h = browser;
    for (Step s : kPath) {
        if (h == 0) return 0;
        h = s == Child ? w.firstChild(h) : w.nextSibling(h);
    }
    return h;
}

// Each control is the first of its class, or the nth button, in child order: one walk finds them all,
// reading each child's class once, and ends as soon as the last one looked for is found.
ChatControls RechercheControles(RoomLink& link, WindowHandle panel) {
    ChatControls c;
    c.panel = panel;
    if (panel == 0) return c;
    auto& w = link.windows();
    NameBuffer name;
    int buttons = 0;
    for (WindowHandle child = w.firstChild(panel); child != 0; child = w.nextSibling(child)) {
        const std::string_view cls = w.classNameInto(child, name);
        if (sameClass(cls, "RichEdit20W")) {
            if (c.texte == 0) c.texte = child;
        } else if (sameClass(cls, "Edit")) {
            if (c.saisie == 0) c.saisie = child;
        } else if (sameClass(cls, "Button")) {
            ++buttons;
            if (buttons == 1) c.envoi = child;
            if (buttons == 8) c.micro = child;
            if (buttons == 9) c.micro2 = child;
        }
        if (c.texte != 0 && c.saisie != 0 && buttons >= 9) break;
    }
    return c;
}

ChatControls RechercheComplete(RoomLink& link, WindowHandle browser) {
    return RechercheControles(link, CheminPanneauChat(link.windows(), browser));
}

bool PanneauComplet(const ChatControls& found) {
    return found.panel != 0 && found.texte != 0 && found.saisie != 0 && found.envoi != 0;
}

void StockeHandles(RoomLink& link, const ChatControls& found) {
    link.HandleTexteChat = found.texte;
    link.HandleSaisieChat = found.saisie;
    link.HandleBoutonEnvoi = found.envoi;
    link.HandleBoutonMicro = found.micro;
    link.HandleBoutonMicro2 = found.micro2;
    link.HandlePanneauChat = found.panel;
    link.HandleTexteChatControle = link.HandleTexteChat;
}

}  // namespace wardo::chatlink
