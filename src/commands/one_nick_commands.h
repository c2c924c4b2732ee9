// The commands that need nothing but the target: eight buttons of the panel, and four procedures that
// the command menu calls. A button checks the target first and may send the panel to the task bar
// afterwards; the menu procedures do neither.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {
class Reglages;
}

namespace wardo::commands {

class CommandesPseudo : public panel::Part {
public:
    CommandesPseudo(app::Program& program, panel::Reglages& panel);

    void Debannir();
    void PasseOpSimple();
    void PasseOpPlus();
    void EnvoieCodeOpme();

private:
    // One line of a command: the text before the target (read afresh), what follows it, the pause.
    struct Ligne {
        const wchar_t* avant;
        const wchar_t* apres;
        int pauseMs;
    };
    void tape(const Ligne& ligne);
    void commandeBouton(std::initializer_list<Ligne> lignes);

    app::Program& program_;
    panel::Reglages& panel_;
};

}  // namespace wardo::commands
