#include "editors/raisons_edit.h"

namespace wardo::editors {

namespace {
const VarianteTextes kRaisons{L"Choix d'une raison",
                              L"TitresRaisons",
                              L"Raisons",
                              L"Raisons de kick / punish / ban",
                              L"Titre de la raison",
                              L"Texte de la raison",
                              true,
                              9045,
                              0};
}  // namespace

RaisonsEdit::RaisonsEdit(app::Program& program) : ListeTextesEdit(program, L"RaisonsEdit", kRaisons) {}

}  // namespace wardo::editors
