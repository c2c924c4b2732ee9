#include "chatlink/attach.h"

#include <algorithm>
#include <cctype>

namespace wardo::chatlink {

namespace {

// Child classes are matched as the system's child search does: without regard to ASCII letter case.
bool sameClass(const text::Text& a, const wchar_t* b) {
    const text::Text wanted(b);
    return a.size() == wanted.size() &&
           std::equal(a.begin(), a.end(), wanted.begin(), [](wchar_t x, wchar_t y) {
               auto fold = [](wchar_t c) {
                   return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
               };
               return fold(x) == fold(y);
           });
}

// The next direct child of `parent` after `after` (0: from the first) whose class is `cls`.
WindowHandle nextChildOfClass(RoomLink& link, WindowHandle parent, WindowHandle after, const wchar_t* cls) {
    auto& w = link.windows();
    WindowHandle child = after == 0 ? w.firstChild(parent) : w.nextSibling(after);
    for (; child != 0; child = w.nextSibling(child))
        if (sameClass(link.ClasseFenetre(child), cls)) return child;
    return 0;
}

}  // namespace

WindowHandle ChercheIEFrame(RoomLink& link) {
    auto& w = link.windows();
    for (WindowHandle h = w.firstChild(w.desktop()); h != 0; h = w.nextSibling(h)) {
        if (link.TexteFenetre(h).empty()) continue;
        if ((w.style(h) & platform::kStyleVisible) == 0) continue;
        if (link.ClasseFenetre(h) == L"IEFrame") return h;
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
    c.texte = nextChildOfClass(link, panel, 0, L"RichEdit20W");
    c.saisie = nextChildOfClass(link, panel, 0, L"Edit");
    c.envoi = nextChildOfClass(link, panel, 0, L"Button");
    WindowHandle button = 0;
    for (int n = 1; n <= 9; ++n) {
        button = nextChildOfClass(link, panel, button, L"Button");
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
