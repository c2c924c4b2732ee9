// Reading the robot's own nickname from the line where the room shows its connection phrase.
#pragma once
#include <vector>

#include "chatlink/room_link.h"

namespace wardo::chatlink {

// `roomLines`: the room's text split at every CR LF. For each complete line that holds `phrase`, from
// the oldest to the newest: its bracket group is removed (RetireGroupe) and what stands before the
// first ":" becomes `pseudoRobot`, trimmed. The newest such line wins. A line that cannot be read (no
// ":" once the group is gone, a ")" well before its "(") raises text::RuntimeError, leaving what
// earlier lines gave.
void ExtraitPseudo(const std::vector<text::Text>& roomLines, const text::Text& phrase,
                   text::Text& pseudoRobot);

}  // namespace wardo::chatlink
