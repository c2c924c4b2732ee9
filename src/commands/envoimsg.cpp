#include "commands/envoimsg.h"

#include "chatlink/window_order.h"
#include "panel/reglages.h"

namespace wardo::commands {

namespace {

// The room shows a line sent with one of these only to the members of the colours named between the
// quotes.
constexpr const wchar_t* kToutesCouleurs = L"/msg 'FOPW' Message à tous sauf aux noirs : ";
constexpr const wchar_t* kVertsRouges = L"/msg 'OPW' Message aux verts et rouges : ";
constexpr const wchar_t* kRouges = L"/msg 'W' Message aux rouges : ";
constexpr const wchar_t* kBleus = L"/msg 'F' Message aux bleus : ";

}  // namespace

Envoimsg::Envoimsg(app::Program& program)
    : ui::Form(program.runtime, L"Envoimsg"),
      Label3(*this, L"Label3"),
      Label2(*this, L"Label2"),
      ReyTextBox1(*this, L"ReyTextBox1"),
      ReyCommand1(*this, L"ReyCommand1"),
      ReyCommand2(*this, L"ReyCommand2"),
      ReyCommand3(*this, L"ReyCommand3"),
      ReyCommand4(*this, L"ReyCommand4"),
      program_(program) {
    ReyCommand1.onClick = [this] { envoie(kToutesCouleurs); };
    ReyCommand2.onClick = [this] { envoie(kVertsRouges); };
    ReyCommand3.onClick = [this] { envoie(kRouges); };
    ReyCommand4.onClick = [this] { envoie(kBleus); };
    // Besides each activation, a double click empties the box: a quick way to start a new text.
    ReyTextBox1.onDblClick = [this] { ViderTexteMessage(); };
}

void Envoimsg::design() {
    setCaption(L"Envoi d'un message à une catégorie de users");
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setClientSize(5520, 2760);

    Label3.move(120, 120, 5280, 255);
    Label3.setCaption(L"Envoi d'un message aux bleus, verts et rouges du visio ");
    Label3.setFont({L"MS Sans Serif", 8, true});
    Label2.move(120, 540, 2000, 255);
    Label2.setCaption(L"Texte du message :");
    ReyTextBox1.move(120, 810, 5280, 315);

    ReyCommand1.move(120, 1320, 2580, 495);
    ReyCommand1.setCaption(L"Envoi à toutes couleurs");
    ReyCommand2.move(2820, 1320, 2580, 495);
    ReyCommand2.setCaption(L"Envoi aux verts + rouges");
    ReyCommand3.move(120, 1980, 2580, 495);
    ReyCommand3.setCaption(L"Envoi aux rouges");
    ReyCommand4.move(2820, 1980, 2580, 495);
    ReyCommand4.setCaption(L"Envoi aux bleus ");
}

// Only the first load, and a load after the user closed the window, place it: over the panel's top-left
// corner, above every window.
void Envoimsg::onLoad() {
    panel::Reglages& panneau = program_.reglages();
    setTop(panneau.top());
    setLeft(panneau.left());
    chatlink::MetPremierPlan(platform().windows, handle());
}

void Envoimsg::onActivate() {
    ViderTexteMessage();
}

void Envoimsg::ViderTexteMessage() {
    ReyTextBox1.setText(L"");
}

// The nickname always signs a group message, whatever the option of signing the sanctions says.
void Envoimsg::envoie(const wchar_t* prefixe) {
    const Text texte = ReyTextBox1.text();
    if (!texte.empty()) program_.room.EnvoieChat(prefixe + texte + L" (de " + program_.PseudoRobot + L")");
    hide();
    if (program_.RetourBarreTachesActif) program_.reglages().setWindowState(ui::WindowState::Minimized);
}

}  // namespace wardo::commands
