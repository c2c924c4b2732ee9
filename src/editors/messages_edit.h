// The announcement editor "Choix d'une annonce": the design of the text-list editors on the sections
// "TitresAnnonces" and "Annonces", with two help labels on "$N".
#pragma once
#include "editors/text_list_editor.h"

namespace wardo::editors {

class MessagesEdit : public ListeTextesEdit {
public:
    explicit MessagesEdit(app::Program& program);

    ui::Label Label6;
    ui::Label Label9;

protected:
    void design() override;
};

}  // namespace wardo::editors
