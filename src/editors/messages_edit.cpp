#include "editors/messages_edit.h"

namespace wardo::editors {

namespace {
const VarianteTextes kAnnonces{L"Choix d'une annonce",
                               L"TitresAnnonces",
                               L"Annonces",
                               L"Phrases d'annonces",
                               L"Titre de l'annonce",
                               L"Texte de l'annonce",
                               false,
                               9720,
                               675};
}  // namespace

MessagesEdit::MessagesEdit(app::Program& program)
    : ListeTextesEdit(program, L"MessagesEdit", kAnnonces),
      Label6(*this, L"Label6"),
      Label9(*this, L"Label9") {}

void MessagesEdit::design() {
    ListeTextesEdit::design();
    Label6.move(240, 480, 8685, 255);
    Label6.setCaption(L"Utiliser la variable  $N pour le pseudo du user");
    Label9.move(240, 780, 8685, 255);
    Label9.setCaption(L"($N pour remplacer pseudo)");
}

}  // namespace wardo::editors
