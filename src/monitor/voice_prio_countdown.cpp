#include "monitor/voice_prio_countdown.h"

#include "app/program.h"
#include "panel/reglages.h"

namespace wardo::monitor {

namespace {
constexpr int kTicks = 3;
}

VoicePrioCountdown::VoicePrioCountdown(app::Program& program, panel::Reglages& panel)
    : program_(program), panel_(panel) {
    panel.TimerEtat.onTimer = [this] { TimerEtat_Timer(); };
}

// The "0" is replaced within the same tick by the button's own caption.
void VoicePrioCountdown::TimerEtat_Timer() {
    app::Program& p = program_;
    if (!p.DecompteVoicePrio) return;
    ++p.CompteurVoicePrio;
    panel_.microprio.setCaption(text::decimal(kTicks - p.CompteurVoicePrio));
    if (p.CompteurVoicePrio < kTicks) return;
    p.CompteurVoicePrio = 0;
    p.DecompteVoicePrio = false;
    panel_.microprio.setEnabled(true);
    panel_.microprio.setCaption(L"Voice prio");
}

}  // namespace wardo::monitor
