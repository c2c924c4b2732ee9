// One run of the program: the platform, the controls runtime, the link to the room, the shared
// variables under the names the program uses, and its windows, each created on first use.
#pragma once
#include <array>
#include <memory>
#include <vector>

#include "chatlink/room_link.h"
#include "platform/platform.h"
#include "text/text.h"
#include "ui/form_host.h"
#include "ui/runtime.h"

namespace wardo::panel {
class Reglages;
}
namespace wardo::chatlink {
class ConnexMan;
class ConnexMan2;
}  // namespace wardo::chatlink
namespace wardo::serverlink {
class Message;
}
namespace wardo::editors {
class MessagesEdit;
class RaisonsEdit;
class SonsEdit;
}  // namespace wardo::editors
namespace wardo::settings {
struct IniEntry;
class IniLu;
}  // namespace wardo::settings
namespace wardo::commands {
class Envoimsg;
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

    // The robot's level in the room: 0 "noir", 1 "rouge", 2 "opplus", 3 "op", 4 "bleu".
    int NiveauStatut = 0;
    Text MotStatut;

    // Options read when the panel loads (and changed by its settings pane).
    bool AnnonceSonoreActive = false;
    bool AccueilActif = false;
    bool SignatureActive = false;
    bool DingAutorise = false;
    bool IgnoreReentrantActif = false;
    bool RetourBarreTachesActif = false;
    Text CodeDureePunish;
    Text CodeDureeBan;
    Text TexteAccueil;
    Text CodeOpme;  // the operator code in clear; "" when none
    Text CheminSonEntree;

    // Following the room: joins already greeted, and whether the user is typing in the input line.
    Text DernierPseudoEntre;
    bool BasculeEspaceAccueil = false;
    bool SaisieChatOccupee = false;
    long LongueurTexteLu = 0;
    Text TexteSaisieChat;

    // The window under the mouse cursor at the last tick of a picker's timer.
    platform::WindowHandle HandleSousCurseur = 0;

    // The panel has been put above all windows; the editors put it back there when they close.
    bool ReglagesPremierPlan = false;

    // The action mode of the reason list.
    bool ModeAvertir = false;
    bool ModeKick = false;
    bool ModePunir = false;
    bool ModeBan = false;
    bool ModeAnnonce = false;

    // The room's microphone and the push-to-talk key.
    bool MicroPris = false;
    bool BipPriseDonne = false;
    bool ToucheMicroEnfoncee = false;
    bool ToucheMicroActive = false;
    bool BipActif = false;
    long CodeToucheMicro = 0;  // virtual-key code; 0 = no key
    long HeureAppuiToucheMicro = 0;

    // The settings file, built afresh from the configuration folder at each use.
    Text fichierIni() const;
    Text LitIni(const Text& section, const Text& key);
    // The file read once, for a run of reads with nothing stored between them (a list's slots).
    settings::IniLu ouvreIni();
    void EcritIni(const Text& section, const Text& key, const Text& value);
    // Several keys in one replacement of the file: all of them are stored, or none; true when stored.
    bool EcritIniGroupe(const std::vector<settings::IniEntry>& entries);

    // The windows, each created on first use (creating one does not load it).
    Principale& principale();
    panel::Reglages& reglages();
    bool reglagesCreated() const { return reglages_ != nullptr; }
    chatlink::ConnexMan& connexMan();
    chatlink::ConnexMan2& connexMan2();
    serverlink::Message& message();  // the support-message window
    editors::MessagesEdit& messagesEdit();
    editors::RaisonsEdit& raisonsEdit();
    editors::SonsEdit& sonsEdit();
    commands::Envoimsg& envoimsg();  // the group messages

    // Shows the start-up window and runs until the program ends; returns the exit code.
    int run();
    // Ends the program at once: no confirmation, nothing saved, no other window unloaded.
    void end(int exitCode = 0);

private:
    template <class F>
    F& onFirstUse(std::unique_ptr<F>& form);

    // Destroyed in the reverse order: the start-up window last, the panel just before it.
    std::unique_ptr<Principale> principale_;
    std::unique_ptr<panel::Reglages> reglages_;
    std::unique_ptr<editors::MessagesEdit> messagesEdit_;
    std::unique_ptr<editors::RaisonsEdit> raisonsEdit_;
    std::unique_ptr<editors::SonsEdit> sonsEdit_;
    std::unique_ptr<serverlink::Message> message_;
    std::unique_ptr<chatlink::ConnexMan> connexMan_;
    std::unique_ptr<chatlink::ConnexMan2> connexMan2_;
    std::unique_ptr<commands::Envoimsg> envoimsg_;
    int exitCode_ = 0;
};

}  // namespace wardo::app
