// The drop-down command menus: MenuCdesSupp (its entries per level come from the panel's layout), and
// the two lists it opens in its place, MenuSalles (room settings) and MenuListes (operator lists and
// ban list). A click acts on the exact text of the entry; the menu stays open.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

class MenusCommandes : public panel::Part {
public:
    MenusCommandes(app::Program& program, panel::Reglages& panel);

    void gestionsalles();
    void gestionlistes();
    void SallePermanente();
    void SalleVip();
    void SalleProvisoire();
    void SalleOuverte();
    void SupprimeSalle();

private:
    void MenuCdesSupp_Click();
    void MenuSalles_Click();
    void MenuListes_Click();

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
