#include "commands/command_menus.h"

#include <functional>

#include "commands/one_nick_commands.h"
#include "commands/room_commands.h"
#include "panel/reglages.h"

namespace wardo::commands {

namespace {

constexpr int kPauseMs = 500;

struct Entree {
    const wchar_t* texte;
    std::function<void()> action;
};

// Every entry whose text matches exactly runs; an empty text or an unknown one does nothing.
void choisit(const ui::ListBox& menu, std::initializer_list<Entree> entrees) {
    const Text choisi = menu.list(menu.listIndex());
    if (choisi.empty()) return;
    for (const Entree& e : entrees) {
        if (choisi == e.texte) e.action();
    }
}

}  // namespace

MenusCommandes::MenusCommandes(app::Program& program, panel::Reglages& panel)
    : program_(program), panel_(panel) {
    panel_.MenuCdesSupp.onClick = [this] { MenuCdesSupp_Click(); };
    panel_.MenuSalles.onClick = [this] { MenuSalles_Click(); };
    panel_.MenuListes.onClick = [this] { MenuListes_Click(); };
}

// These entries neither check the target nor send the panel to the task bar.
void MenusCommandes::MenuCdesSupp_Click() {
    CommandesPseudo& c = panel_.part<CommandesPseudo>();
    choisit(panel_.MenuCdesSupp, {{L"Débannir", [&c] { c.Debannir(); }},
                                  {L"Passer OP simple", [&c] { c.PasseOpSimple(); }},
                                  {L"Passer OP plus", [&c] { c.PasseOpPlus(); }},
                                  {L"Envoyer code opme", [&c] { c.EnvoieCodeOpme(); }},
                                  {L"Gestion des salles", [this] { gestionsalles(); }},
                                  {L"Banlist et oplist", [this] { gestionlistes(); }},
                                  {L"Supprimer la salle", [this] { SupprimeSalle(); }}});
}

void MenusCommandes::gestionsalles() {
    panel::Reglages& r = panel_;
    r.MenuCdesSupp.setVisible(false);
    r.MenuSalles.clear();
    const int niveau = program_.NiveauStatut;
    if (niveau == 1 || niveau == 2) {
        for (const wchar_t* e : {L"Passer salle en permanent", L"Passer salle en provisoire",
                                 L"Réserver salle aux VIP", L"Autoriser salle à tous", L"Supprimer la salle"})
            r.MenuSalles.addItem(e);
        r.MenuSalles.setHeight(1005);
    } else if (niveau == 3) {
        r.MenuSalles.addItem(L"Supprimer la salle");
        r.MenuSalles.setHeight(210);
    }
    r.MenuSalles.setVisible(true);
    r.MenuSalles.setLeft(panel::Reglages::kMenuCdesSuppLeft);
}

void MenusCommandes::gestionlistes() {
    panel::Reglages& r = panel_;
    r.MenuCdesSupp.setVisible(false);
    r.MenuListes.clear();
    for (const wchar_t* e : {L"OPlist totale", L"OPlist rouges", L"OPlist operateurs +", L"OPlist opérateurs",
                             L"OPlist bleus", L"Liste des bannis"})
        r.MenuListes.addItem(e);
    r.MenuListes.setVisible(true);
    r.MenuListes.setLeft(panel::Reglages::kMenuCdesSuppLeft);
}

void MenusCommandes::SallePermanente() {
    EnvoieCommande(program_, L"/permanent on", kPauseMs);
}
void MenusCommandes::SalleProvisoire() {
    EnvoieCommande(program_, L"/permanent off", kPauseMs);
}
void MenusCommandes::SalleVip() {
    EnvoieCommande(program_, L"/proonly on", kPauseMs);
}
void MenusCommandes::SalleOuverte() {
    EnvoieCommande(program_, L"/proonly off", kPauseMs);
}
// At once, with no confirmation.
void MenusCommandes::SupprimeSalle() {
    EnvoieCommande(program_, L"/del", kPauseMs);
}

void MenusCommandes::MenuSalles_Click() {
    choisit(panel_.MenuSalles, {{L"Passer salle en permanent", [this] { SallePermanente(); }},
                                {L"Passer salle en provisoire", [this] { SalleProvisoire(); }},
                                {L"Réserver salle aux VIP", [this] { SalleVip(); }},
                                {L"Autoriser salle à tous", [this] { SalleOuverte(); }},
                                {L"Supprimer la salle", [this] { SupprimeSalle(); }}});
}

void MenusCommandes::MenuListes_Click() {
    auto liste = [this](const wchar_t* ligne) {
        return [this, ligne] { EnvoieCommande(program_, ligne, kPauseMs); };
    };
    choisit(panel_.MenuListes, {{L"OPlist totale", liste(L"/oplist list")},
                                {L"OPlist rouges", liste(L"/oplist list owner")},
                                {L"OPlist operateurs +", liste(L"/oplist list opplus")},
                                {L"OPlist opérateurs", liste(L"/oplist list operator")},
                                {L"OPlist bleus", liste(L"/oplist list friend")},
                                {L"Liste des bannis", liste(L"/banlist list")}});
}

}  // namespace wardo::commands
