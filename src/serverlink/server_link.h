// The robot's side of the link with its maker's server: the scrambling and digest of the datagrams, the
// sending of one message, the reading of one datagram, and where the server is.
#pragma once
#include "platform/files.h"
#include "platform/network.h"
#include "text/text.h"

namespace wardo::app {
class Program;
}

namespace wardo::serverlink {

using text::Text;

// The optional key of the section "Parametres" that points the robot at another server: "ADDRESS" or
// "ADDRESS:PORT" enciphered under CleTexte, in hexadecimal (`wardo-server --print-address` prints it).
inline constexpr const wchar_t* kCleAdresseServeur = L"Serveur";

Text Brouille(const Text& texte, const Text& cle);
Text Debrouille(const Text& texte, const Text& cle);
// The 32 lower-case hexadecimal digits of the MD5 digest of the text's ANSI bytes.
Text Md5Texte(platform::Digest& digest, const Text& texte);

// The message that a received datagram carries, or "" when it is not a valid datagram. The datagram is
// checked and unscrambled on its bytes; only the message goes through the code page, since a multi-byte
// code page would change the scrambled bytes on their way to a text and back.
Text LitMessageServeur(app::Program& program, const std::string& datagramme);
// Sends one message to the server; a send the system refuses ends the program after its message box.
void EnvoieServeur(app::Program& program, const Text& message);

// The server: the one the settings name when it deciphers to a dotted IPv4 address with an optional
// port, else the built-in address; the port is 190 unless the settings give another.
platform::Endpoint AdresseServeur(app::Program& program);

}  // namespace wardo::serverlink
