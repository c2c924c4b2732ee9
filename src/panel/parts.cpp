// Every subsystem's part of the panel, created with it. A subsystem adds its part here, one line.
#include "app/program.h"
#include "monitor/panel_layout.h"
#include "panel/reglages.h"

namespace wardo::panel {

void registerParts(Reglages& panel, app::Program& program) {
    // Chat monitoring: the layout per level and the level buttons.
    panel.addPart<monitor::PanelLayout>(program, panel);
}

}  // namespace wardo::panel
