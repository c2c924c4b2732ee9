// A line of the room's text as the robot reads it: the room puts a bracket group (its time stamp, a
// remark) before anything else is looked for.
#pragma once
#include "text/text.h"

namespace wardo::chatlink {

// Removes the bracket group: the text from the first "(" to the first ")" and one character more (the
// blank after a time stamp), wherever that text occurs. Without a "(" or a ")" the line is unchanged.
// When the ")" comes first the same length rule holds; three or more characters before the "(" the
// length is negative and the line cannot be read: text::RuntimeError.
void RetireGroupe(text::Text& ligne);

}  // namespace wardo::chatlink
