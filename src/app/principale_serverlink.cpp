// The start-up window's side of the link with the maker's server: the socket, the datagrams that
// arrive on it, and the information text it stores for the end of start-up.
#include <exception>

#include "app/principale.h"
#include "serverlink/frame/frame.h"
#include "serverlink/message.h"
#include "serverlink/server_link.h"

namespace wardo::app {

void Principale::InitSock() {
    const platform::Endpoint serveur = serverlink::AdresseServeur(program_);
    if (!Socket_) {
        Socket_ = platform().network.openDatagramSocket(
            [this](platform::Datagram datagramme) { Socket_DataArrival(datagramme); });
    }
    // Only the server speaks on this link, from whichever port its system gives it: datagrams from
    // another address are dropped as the socket reads them, so that a flood of them costs nothing.
    Socket_->acceptOnlyFrom(serveur.address);
    if (!Socket_->isOpen()) {
        bool lie = false;
        for (int port = serverlink::frame::kFirstLocalPort; port <= serverlink::frame::kLastLocalPort && !lie;
             ++port) {
            Socket_->close();
            lie = Socket_->bind("0.0.0.0", port);
        }
        if (!lie) {
            platform().boxes.show(L"Impossible d'ouvrir un port !!", L"Wardo", platform::BoxButtons::Ok,
                                  platform::BoxIcon::None);
            program_.end(0);
            return;
        }
    }
    RemoteServeur_ = serveur;
}

std::optional<platform::SendError> Principale::SendData(const std::string& datagramme) {
    if (!Socket_) return platform::SendError{10038, L"Le port n'est pas ouvert."};
    return Socket_->sendTo(RemoteServeur_, datagramme);
}

void Principale::Socket_DataArrival(const platform::Datagram& datagramme) {
    if (!SocketOuvert()) return;
    try {
        const Text message = serverlink::LitMessageServeur(program_, datagramme.bytes);
        if (message.empty()) return;
        if (message == L"MSGOK") {
            program_.message().MessageTransmis();
        } else if (text::left(message, 6) == L"MSGINI") {
            TraiteMsgIni(message);
        }
    } catch (const std::exception&) {
        // Whatever fails here (the text, the digest, memory) drops this datagram; the link goes on.
    }
}

void Principale::TraiteMsgIni(const Text& texte) {
    Text t = text::replaceAll(texte, L"MSGINI", L"");
    program_.MessageServeurPresent = true;
    t = text::replaceAll(t, L"$", L"\r\n");
    program_.MessageServeur = t;
}

}  // namespace wardo::app
