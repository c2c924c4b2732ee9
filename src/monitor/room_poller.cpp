#include "monitor/room_poller.h"

#include "app/principale.h"
#include "monitor/line_interpretation.h"
#include "panel/reglages.h"

namespace wardo::monitor {

RoomPoller::RoomPoller(app::Program& program, panel::Reglages& panel) : program_(program), panel_(panel) {
    panel_.Boucle.onTimer = [this] { Boucle_Timer(); };
}

void RoomPoller::Boucle_Timer() {
    try {
        lit();
    } catch (const text::RuntimeError&) {
        // The tick ends here, silently.
    }
}

// The read has no limit on the number of lines: a room that has talked for hours is still followed.
void RoomPoller::lit() {
    app::Program& p = program_;
    const text::Text* lue = lecteur_.lit(p.room);
    if (!lue) return;            // no complete line: nothing else this tick
    p.DerniereLigneChat = *lue;  // into the variable's own room: no allocation once it is large enough
    if (p.DerniereLigneChat != p.DerniereLigneTraitee) {
        // Recorded before it is interpreted: a tick nested in the interpretation (a message box pumps
        // events) or a line that fails is never handled again. The interpretation works on its own copy,
        // which a nested tick reading the next line leaves alone.
        p.DerniereLigneTraitee = p.DerniereLigneChat;
        text::Text ligne = p.DerniereLigneChat;
        panel_.part<LineInterpretation>().traiteligne(ligne);
    }
    if (!p.room.MicroOccupe()) {
        p.MicroPris = false;
        p.BipPriseDonne = false;
    }
    if (!p.platform.windows.keyDown(static_cast<int>(p.CodeToucheMicro))) p.ToucheMicroEnfoncee = false;
    p.principale().affichehandles();
}

}  // namespace wardo::monitor
