#include "monitor/target_pickup.h"

#include "panel/reglages.h"

namespace wardo::monitor {

bool PlusieursMots(const text::Text& texte) {
    int blancs = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == L' ' && ++blancs == 2) return true;
        if (texte[i] == L'/') return true;
        text::toInt16(static_cast<long long>(i) + 2);  // the next position must fit 16 bits
    }
    return false;
}

LecturePseudo::LecturePseudo(app::Program& program, panel::Reglages& panel)
    : program_(program), panel_(panel) {
    panel_.BoucleLectPseudo.onTimer = [this] { BoucleLectPseudo_Timer(); };
}

void LecturePseudo::BoucleLectPseudo_Timer() {
    try {
        litSaisie();
    } catch (const text::RuntimeError&) {
        // The next tick starts afresh.
    }
}

void LecturePseudo::litSaisie() {
    app::Program& p = program_;
    platform::WindowSystem& windows = p.platform.windows;
    const platform::WindowHandle saisie = p.room.HandleSaisieChat;

    p.LongueurTexteLu = windows.getTextLength(saisie);
    text::Text lu = text::fromAnsi(windows.getText(saisie, p.LongueurTexteLu + 1));
    std::erase(lu, L'\0');
    p.TexteSaisieChat = lu;
    p.SaisieChatOccupee = !lu.empty();

    if (PlusieursMots(lu)) return;
    if (!lu.ends_with(L", ") && !lu.ends_with(L", .")) return;
    // Every full stop goes, not only the one of ", .".
    panel_.Label2.setCaption(text::replaceAll(text::replaceAll(lu, L", ", L""), L".", L""));
    windows.setText(saisie, "");
    // Shown in its normal state: a minimised panel is restored, and the panel comes forward.
    panel_.setWindowState(ui::WindowState::Normal);
    panel_.show();
}

}  // namespace wardo::monitor
