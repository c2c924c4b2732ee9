// The reason editor "Choix d'une raison": the design of the text-list editors on the sections
// "TitresRaisons" and "Raisons"; an empty stored title leaves the title it holds on load and cancel.
#pragma once
#include "editors/text_list_editor.h"

namespace wardo::editors {

class RaisonsEdit : public ListeTextesEdit {
public:
    explicit RaisonsEdit(app::Program& program);
};

}  // namespace wardo::editors
