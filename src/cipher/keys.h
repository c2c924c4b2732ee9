// The program's two fixed keys, assembled at run time from character codes so that they do not appear as
// plain strings in the executable. Their values must never change: stored settings and the server use them.
#pragma once
#include "text/text.h"

namespace wardo::cipher {

text::Text CleTexte();    // key of the text cipher, 20 characters
text::Text CleLiaison();  // key of the datagram scrambling, 21 characters

}  // namespace wardo::cipher
