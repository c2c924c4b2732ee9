// The start-up window: loads what the rest of the program reads at once (configuration folder, keys,
// flags, connection phrase, watched nicknames), shows the first-run frame, then the button that attaches
// the robot to the room. It also owns the attach and the identification of the robot's own nickname.
#pragma once
#include <memory>
#include <optional>

#include "app/program.h"
#include "platform/network.h"
#include "ui/basic_controls.h"
#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/picture.h"
#include "ui/timer.h"

namespace wardo::app {

class Principale : public ui::Form {
public:
    explicit Principale(Program& program);

    // Public operations, in the order of the window's interface.
    void LecturePseudosAlerte();
    void connection();
    bool recupnombot(const Text& texteSalle);
    bool ConnexAuto();
    platform::WindowHandle ChercheIEFrame();
    void affichehandles();
    bool ReConnexAuto();
    void InitSock();
    void TraiteMsgIni(const Text& texte);

    // The socket control `Socket`: open once InitSock has bound it; sends to the server's address.
    bool SocketOuvert() const { return Socket_ && Socket_->isOpen(); }
    std::optional<platform::SendError> SendData(const std::string& datagramme);
    const platform::Endpoint& RemoteServeur() const { return RemoteServeur_; }

    // Frames are shown and hidden by moving them.
    static constexpr int kFrame1Shown = 0, kFrame1Hidden = 6500;        // Top
    static constexpr int kFrameMsgShown = 300, kFrameMsgHidden = 5000;  // Left
    static constexpr int kFrameMsgPutAway = 6000;                       // Left, where its button puts it
    static constexpr int kFrame6Shown = 200, kFrame6Hidden = 7000;      // Top
    // The most of an information text that `Label41` shows: what its frame can hold, and more.
    static constexpr long kLongueurMessageServeur = 2000;

    ui::Label Label1;
    ui::Label Label2;
    ui::Label Label3;
    ui::Button Connexionroom;
    ui::Frame Frame1;
    ui::Label Label4;
    ui::Label Label5;
    ui::Picture Picture1;
    ui::CheckBox Check1;
    ui::Button ReyCommand1;
    ui::Frame FrameMsg;
    ui::Label Label41;
    ui::Button Command11;
    ui::Frame Frame6;
    ui::Label Label6;
    ui::Timer TimerDemarrage;

    // The room's text as the identification last split it.
    std::vector<Text> lignes;

protected:
    void design() override;
    void onLoad() override;
    void onActivate() override;
    void onUnload(bool& cancel) override;

private:
    void TimerDemarrage_Timer();
    void Check1_Click();
    void ReyCommand1_Click();
    void Connexionroom_Click();
    void Command11_Click();
    void ChercheNomBot();
    void LecturePseudosAlerte(const settings::IniLu& ini);
    void Socket_DataArrival(const platform::Datagram& datagramme);

    Program& program_;
    std::unique_ptr<platform::DatagramSocket> Socket_;
    platform::Endpoint RemoteServeur_;
};

}  // namespace wardo::app
