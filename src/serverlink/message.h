// The support-message window: the user writes to the robot's support team; every field must be filled;
// the fields go to the server as one "MSG" datagram, and the server's "MSGOK" shows the delivery.
#pragma once
#include "app/program.h"
#include "ui/basic_controls.h"
#include "ui/form.h"
#include "ui/text_box.h"

namespace wardo::serverlink {

class Message : public ui::Form {
public:
    explicit Message(app::Program& program);

    // The server answered "MSGOK": the green notice covers the message box and the button goes. Loads
    // the window, hidden, when it is not loaded.
    void MessageTransmis();

    static constexpr ui::Color kRouge = 0x0000FF, kVert = 0x00C000, kBlanc = 0xFFFFFF;

    ui::Label Label1;
    ui::Label Label2;
    ui::TextBox Pseudo;
    ui::Label Label5;
    ui::TextBox Code;
    ui::Label Label3;
    ui::TextBox Visio;
    ui::Label Label4;
    ui::TextBox Email;
    ui::Label Label6;
    ui::TextBox Texte;
    ui::Button Envoi;
    ui::Frame Frame1;
    ui::Label Label7;

protected:
    void design() override;
    void onLoad() override;

private:
    void Envoi_Click();

    app::Program& program_;
};

// Opens the window, modeless (the panel's about pane calls it).
void OuvreMessage(app::Program& program);

}  // namespace wardo::serverlink
