// One run of the program: the platform, the controls runtime, the link to the room, the shared
// variables under the names the program uses, and its windows, each created on first use.
#pragma once
#include <array>
#include <memory>

#include "chatlink/room_link.h"
#include "platform/platform.h"
#include "text/text.h"
#include "ui/form_host.h"
#include "ui/runtime.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::app {

using text::Text;

class Principale;

// One watched nickname: `Actif` is "1" when its alert is on.
struct PseudoAlerte {
    Text Pseudo;
    Text Actif = L"0";
};

class Program {
public:
    Program(platform::Platform& platform, ui::FormHost& host);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    platform::Platform& platform;
    ui::Runtime runtime;
    chatlink::RoomLink room;

    // Shared state.
    Text DossierConfig;
    Text VersionRobot;
    Text TexteConnexion;
    Text PseudoRobot;
    Text CleTexte;
    Text CleLiaison;
    Text DerniereLigneChat;
    Text DerniereLigneTraitee;
    Text MessageServeur;
    bool AfficherInfos1 = true;
    bool AfficherInfos2 = true;
    bool MessageServeurPresent = false;
    bool DecompteVoicePrio = false;
    int CompteurVoicePrio = 0;
    int CompteurClicsFermeture = 0;
    std::array<PseudoAlerte, 7> PseudosAlerte{};  // slots 1 to 6; 0 is never used

    // The settings file, built afresh from the configuration folder at each use.
    Text fichierIni() const;
    Text LitIni(const Text& section, const Text& key);
    void EcritIni(const Text& section, const Text& key, const Text& value);

    // The windows, each created on first use (creating one does not load it).
    Principale& principale();
    panel::Reglages& reglages();
    bool reglagesCreated() const { return reglages_ != nullptr; }

    // Shows the start-up window and runs until the program ends; returns the exit code.
    int run();
    // Ends the program at once: no confirmation, nothing saved, no other window unloaded.
    void end(int exitCode = 0);

private:
    std::unique_ptr<Principale> principale_;
    std::unique_ptr<panel::Reglages> reglages_;
    int exitCode_ = 0;
};

}  // namespace wardo::app
