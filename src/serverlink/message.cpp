#include "serverlink/message.h"

#include "serverlink/server_link.h"

namespace wardo::serverlink {
namespace {

constexpr const wchar_t* kEnvoyer = L"Envoyer le message au support";
constexpr const wchar_t* kCorriger = L"OK je corrige";
constexpr const wchar_t* kChampVide = L"Erreur ! Au moins un champ n'est pas rempli !";
constexpr int kFrame1Cache = 5040;  // Top: below the inner area

}  // namespace

Message::Message(app::Program& program)
    : ui::Form(program.runtime, L"Message"),
      Label1(*this, L"Label1"),
      Label2(*this, L"Label2"),
      Pseudo(*this, L"Pseudo"),
      Label5(*this, L"Label5"),
      Code(*this, L"Code"),
      Label3(*this, L"Label3"),
      Visio(*this, L"Visio"),
      Label4(*this, L"Label4"),
      Email(*this, L"Email"),
      Label6(*this, L"Label6"),
      Texte(*this, L"Texte"),
      Envoi(*this, L"Envoi"),
      Frame1(*this, L"Frame1"),
      Label7(*this, L"Label7"),
      program_(program) {
    Envoi.onClick = [this] { Envoi_Click(); };
}

void Message::design() {
    setCaption(L"Envoi d'un message au suport");
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setClientSize(7500, 4725);

    Label1.move(240, 120, 7095, 1215);
    Label1.setCaption(
        L"Cette fenêtre vous permet d'écrire à l'équipe de support de WARDO pour lui signaler un "
        L"problème. Soyez le plus clair possible et remplissez tous les champs.");
    Label2.move(240, 1470, 700, 255);
    Label2.setCaption(L"Pseudo :");
    Pseudo.move(960, 1440, 1575, 285);
    Label5.move(2640, 1470, 1980, 255);
    Label5.setCaption(L"Version - pseudo :");
    Code.move(4680, 1440, 2535, 285);
    Label3.move(240, 1830, 700, 255);
    Label3.setCaption(L"Visio :");
    Visio.move(960, 1800, 4935, 285);
    Label4.move(240, 2190, 700, 255);
    Label4.setCaption(L"Email :");
    Email.move(960, 2160, 4935, 285);
    Label6.move(240, 2520, 2535, 255);
    Label6.setCaption(L"Texte du message ");
    Texte.move(240, 2760, 7095, 1245);
    Texte.setMultiLine(true);
    Envoi.move(1080, 4200, 5295, 375);
    Envoi.setCaption(kEnvoyer);

    Frame1.move(240, kFrame1Cache, 7095, 1245);
    Frame1.setBackColor(kRouge);
    Label7.setContainer(&Frame1);
    Label7.move(240, 480, 6495, 255);
    Label7.setForeColor(kBlanc);
    Label7.setBackColor(kRouge);
    Label7.setCaption(kChampVide);
}

// `Code` tells the support team which robot writes: its version and the nickname it found in the room.
void Message::onLoad() {
    Code.setText(program_.VersionRobot + L" - " + program_.PseudoRobot);
    Code.setLocked(true);
}

void Message::Envoi_Click() {
    if (Envoi.caption() == kCorriger) {
        Envoi.setCaption(kEnvoyer);
        Frame1.setTop(kFrame1Cache);
        return;
    }
    if (Envoi.caption() != kEnvoyer) return;
    const Text champs[] = {Pseudo.text(), Code.text(), Visio.text(), Email.text(), Texte.text()};
    for (const Text& champ : champs) {
        if (!champ.empty()) continue;
        Label7.setCaption(kChampVide);
        Label7.setForeColor(kBlanc);
        Envoi.setCaption(kCorriger);
        // The notice comes over the message box until the user says they correct it.
        Frame1.setTop(Texte.top());
        return;
    }
    Text message = L"MSG";
    for (std::size_t i = 0; i < std::size(champs); ++i) message += (i ? L"#£" : L"") + champs[i];
    EnvoieServeur(program_, message);
    if (platform().loop.quitting()) return;  // the send failed and ended the program
    Label7.setCaption(L"Message en cours d'acheminement ...");
    platform().loop.sleep(1000);
}

void Message::MessageTransmis() {
    Frame1.setBackColor(kVert);
    Label7.setBackColor(kVert);
    Label7.setCaption(L"Message transmis - Vous pouvez refermer cette fenêtre");
    Frame1.setTop(Texte.top());
    Envoi.setVisible(false);
}

void OuvreMessage(app::Program& program) {
    program.message().show();
}

}  // namespace wardo::serverlink
