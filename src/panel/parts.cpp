// Every subsystem's part of the panel, created with it. A subsystem adds its part here, one line.
#include "app/program.h"
#include "commands/command_menus.h"
#include "commands/group_messages.h"
#include "commands/key_panes.h"
#include "commands/one_nick_commands.h"
#include "commands/push_to_talk.h"
#include "commands/sanctions.h"
#include "commands/sound_broadcast.h"
#include "commands/target.h"
#include "commands/voice_prio.h"
#include "monitor/capture_pause.h"
#include "monitor/line_interpretation.h"
#include "monitor/panel_layout.h"
#include "monitor/reattach.h"
#include "monitor/room_poller.h"
#include "monitor/target_pickup.h"
#include "monitor/voice_prio_countdown.h"
#include "panel/choix_alerte.h"
#include "panel/help_panes.h"
#include "panel/reglages.h"
#include "panel/reglages_de_base.h"
#include "panel/skins_pane.h"

namespace wardo::panel {

void registerParts(Reglages& panel, app::Program& program) {
    // Chat monitoring: the layout per level and the level buttons.
    panel.addPart<monitor::PanelLayout>(program, panel);
    // The panel's own panes: skins, help, about and the information frames.
    panel.addPart<SkinsPane>(program, panel);
    panel.addPart<HelpPanes>(program, panel);
    // The target nickname picked up from the room's input line.
    panel.addPart<monitor::LecturePseudo>(program, panel);
    // Operator commands: the target, the one-nick commands, the sanctions, the command menus.
    panel.addPart<commands::PseudoCible>(program, panel);
    panel.addPart<commands::CommandesPseudo>(program, panel);
    panel.addPart<commands::Sanctions>(program, panel);
    panel.addPart<commands::MenusCommandes>(program, panel);
    // Operator commands: the sound broadcast and the group messages.
    panel.addPart<commands::SoundBroadcast>(program, panel);
    panel.addPart<commands::GroupMessages>(program, panel);
    // Chat monitoring: following the room and interpreting each new line.
    panel.addPart<monitor::LineInterpretation>(program, panel);
    panel.addPart<monitor::RoomPoller>(program, panel);
    // Control panel: the settings pane and the watched-nicknames editor.
    panel.addPart<ReglagesDeBase>(program, panel);
    panel.addPart<ChoixAlerte>(program, panel);
    // Chat monitoring: the "Voice prio" countdown, the capture pause, the re-attach buttons.
    panel.addPart<monitor::VoicePrioCountdown>(program, panel);
    panel.addPart<monitor::CapturePause>(program, panel);
    panel.addPart<monitor::Reattach>(program, panel);
    // Commands: the microphone with priority, the push-to-talk key and its panes.
    panel.addPart<commands::VoicePrio>(program, panel);
    panel.addPart<commands::PushToTalkKey>(program, panel);
    panel.addPart<commands::KeyPanes>(program, panel);
}

}  // namespace wardo::panel
