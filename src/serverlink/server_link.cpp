#include "serverlink/server_link.h"

#include <optional>

#include "app/principale.h"
#include "app/program.h"
#include "cipher/crypt_text.h"
#include "serverlink/frame/frame.h"

namespace wardo::serverlink {
namespace {

// The server's address when the settings name no other, enciphered under CleTexte: the loopback
// 127.0.0.1, a placeholder until the real server's address is known.
constexpr const wchar_t* kAdresseServeurChiffree =
    L"98B192FA8B45A3E2EA0CE229EE3B6D6E5AEBD88FA6AE8BF502974F3C39E50AF3";

// Four decimal numbers from 0 to 255 between dots, without leading zeros.
bool adresseIPv4(const std::string& a) {
    int dots = 0, digits = 0, value = 0;
    for (const char c : a) {
        if (c == '.') {
            if (digits == 0 || ++dots > 3) return false;
            digits = value = 0;
        } else if (c >= '0' && c <= '9') {
            if (digits == 1 && value == 0) return false;
            value = value * 10 + (c - '0');
            if (++digits > 3 || value > 255) return false;
        } else {
            return false;
        }
    }
    return dots == 3 && digits > 0;
}

// "ADDRESS" or "ADDRESS:PORT", the port from 1 to 65535; nothing when it is neither.
std::optional<platform::Endpoint> serveurDe(const std::string& texte) {
    const std::size_t colon = texte.find(':');
    platform::Endpoint serveur{texte.substr(0, colon), frame::kServerPort};
    if (!adresseIPv4(serveur.address)) return std::nullopt;
    if (colon == std::string::npos) return serveur;
    const std::string port = texte.substr(colon + 1);
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    serveur.port = std::stoi(port);
    if (serveur.port < 1 || serveur.port > 65535) return std::nullopt;
    return serveur;
}

}  // namespace

Text Brouille(const Text& texte, const Text& cle) {
    return text::fromAnsi(frame::scramble(text::toAnsi(texte), text::toAnsi(cle)));
}

Text Debrouille(const Text& texte, const Text& cle) {
    return text::fromAnsi(frame::unscramble(text::toAnsi(texte), text::toAnsi(cle)));
}

Text Md5Texte(platform::Digest& digest, const Text& texte) {
    return text::fromAnsi(digest.md5Hex(text::toAnsi(texte)));
}

Text LitMessageServeur(app::Program& program, const std::string& datagramme) {
    const auto message = frame::read(datagramme, text::toAnsi(program.CleLiaison), program.platform.digest);
    return message ? text::fromAnsi(*message) : Text();
}

void EnvoieServeur(app::Program& program, const Text& message) {
    app::Principale& principale = program.principale();
    principale.load();  // the socket belongs to the start-up window, as its control does
    const std::string datagramme =
        frame::build(text::toAnsi(message), text::toAnsi(program.CleLiaison), program.platform.digest);
    const auto erreur = principale.SendData(datagramme);
    if (!erreur) return;
    const Text texte = erreur->code == 10014
                           ? Text(L"Erreur ! vous devez être connecté sur internet pour continuer !")
                           : erreur->description;
    program.platform.boxes.show(texte, L"Wardo", platform::BoxButtons::Ok, platform::BoxIcon::None);
    program.end(0);
}

platform::Endpoint AdresseServeur(app::Program& program) {
    const Text reglee = program.LitIni(L"Parametres", kCleAdresseServeur);
    if (!reglee.empty()) {
        if (auto serveur = serveurDe(text::toAnsi(cipher::HexVersDechiffre(reglee, program.CleTexte))))
            return *serveur;
    }
    return {text::toAnsi(cipher::HexVersDechiffre(kAdresseServeurChiffree, program.CleTexte)),
            frame::kServerPort};
}

}  // namespace wardo::serverlink
