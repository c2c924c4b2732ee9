#include "chatlink/attach.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace wardo::chatlink {

namespace {

// Class names and titles as the system gives them (ANSI, at most 254 characters). The names looked for
// are ASCII, so comparing the bytes is comparing the texts, without converting every window's name.
constexpr int kNameBuffer = 255;

// Child classes are matched as the system's child search does: without regard to ASCII letter case.
bool sameClass(std::string_view a, std::string_view wanted) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), wanted.begin(), wanted.end(),
                      [&fold](char x, char y) { return fold(x) == fold(y); });
}

// The next direct child of `parent` after `after` (0: from the first) whose class is `cls`.
WindowHandle nextChildOfClass(RoomLink& link, WindowHandle parent, WindowHandle after, const char* cls) {
    auto& w = link.windows();
    WindowHandle child = after == 0 ? w.firstChild(parent) : w.nextSibling(after);
    for (; child != 0; child = w.nextSibling(child))
        if (sameClass(w.classNameA(child, kNameBuffer), cls)) return child;
    return 0;
}

}  // namespace

WindowHandle ChercheIEFrame(RoomLink& link) {
    auto& w = link.windows();
    for (WindowHandle h = w.firstChild(w.desktop()); h != 0; h = w.nextSibling(h)) {
        if (w.windowTextA(h, kNameBuffer).empty()) continue;
        if ((w.style(h) & platform::kStyleVisible) == 0) continue;
        if (w.classNameA(h, kNameBuffer) == "IEFrame") return h;
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

ChatControls RechercheControles(RoomLink& link, WindowHandle panel) {
    ChatControls c;
    c.panel = panel;
    if (panel == 0) return c;
    c.texte = nextChildOfClass(link, panel, 0, "RichEdit20W");
    c.saisie = nextChildOfClass(link, panel, 0, "Edit");
    c.envoi = nextChildOfClass(link, panel, 0, "Button");
    WindowHandle button = 0;
    for (int n = 1; n <= 9; ++n) {
        button = nextChildOfClass(link, panel, button, "Button");
        if (button == 0) break;
        if (n == 8) c.micro = button;
        if (n == 9) c.micro2 = button;
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
