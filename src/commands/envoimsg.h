// The window "Envoi d'un message à une catégorie de users": one text sent to one of four colour groups
// of the room, each button putting its group's command before the text and the robot's nickname after.
// Made on first use and kept, hidden, between uses.
#pragma once
#include "app/program.h"
#include "ui/basic_controls.h"
#include "ui/form.h"
#include "ui/text_box.h"

namespace wardo::commands {

using text::Text;

class Envoimsg : public ui::Form {
public:
    explicit Envoimsg(app::Program& program);

    void ViderTexteMessage();

    ui::Label Label3;
    ui::Label Label2;
    ui::TextBox ReyTextBox1;
    ui::Button ReyCommand1;  // every colour but black
    ui::Button ReyCommand2;  // greens and reds
    ui::Button ReyCommand3;  // reds
    ui::Button ReyCommand4;  // blues

protected:
    void design() override;
    void onLoad() override;
    void onActivate() override;

private:
    void envoie(const wchar_t* prefixe);

    app::Program& program_;
};

}  // namespace wardo::commands
