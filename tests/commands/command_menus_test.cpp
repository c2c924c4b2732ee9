// The command menus at every level: each entry of MenuCdesSupp, of the room menu and of the list menu,
// the line it types and its pause, never going to the task bar; unknown and empty entries do nothing; a
// menu stays open.
#include "commands/command_menus.h"

#include "attached_panel_fixture.h"
#include "monitor/panel_layout.h"

namespace wardo::commands {
namespace {

using panel::testing::AttachedPanelTest;
using panel::testing::Typed;

class CommandMenus : public AttachedPanelTest {
protected:
    panel::Reglages& startAtLevel(int niveau) {
        startPanel("RetBarreTaches=O\r\n");
        return atLevel(niveau);
    }
    panel::Reglages& atLevel(int niveau) {
        panel::Reglages& r = reglages();
        program->NiveauStatut = niveau;
        r.part<monitor::PanelLayout>().Appliquerdroits(niveau);
        r.Label2.setCaption(L"Bob");
        program->CodeOpme = L"s3cret";
        r.MenuCdesSupp.setVisible(true);  // as "Autres commandes" shows it
        mark();
        return r;
    }
    // The user clicks the entry with this text; false when the menu has none.
    static bool choose(ui::ListBox& menu, const std::wstring& entry) {
        for (int i = 0; i < menu.listCount(); ++i)
            if (menu.list(i) == entry) return menu.userSelect(i);
        return false;
    }
    static std::vector<std::wstring> entries(const ui::ListBox& menu) {
        std::vector<std::wstring> all;
        for (int i = 0; i < menu.listCount(); ++i) all.push_back(menu.list(i));
        return all;
    }
};

// What an entry of MenuCdesSupp does: the lines it types, how long it takes, or the sub-menu it opens.
struct Effet {
    std::vector<Typed> lines;
    std::int64_t durationMs;
    std::string opens = "";  // "MenuSalles", "MenuListes"
};

const std::map<std::wstring, Effet>& effets() {
    static const std::map<std::wstring, Effet> kEffets = {
        {L"Débannir", {{{"/banlist remove Bob", 0}}, 650}},
        {L"Passer OP simple",
         {{{"/oplist remove Bob", 0}, {"/oplist add Bob", 1150}, {"/oplist add Bob", 2300}}, 2950}},
        {L"Passer OP plus", {{{"/oplist remove Bob", 0}, {"/oplist add Bob +", 1150}}, 2300}},
        {L"Envoyer code opme", {{{"/opme s3cret", 0}}, 650}},
        {L"Supprimer la salle", {{{"/del", 0}}, 650}},
        {L"Gestion des salles", {{}, 0, "MenuSalles"}},
        {L"Banlist et oplist", {{}, 0, "MenuListes"}},
    };
    return kEffets;
}

TEST_F(CommandMenus, EveryEntryOfTheCommandMenuAtEveryLevel) {
    startPanel("RetBarreTaches=O\r\n");
    for (int niveau : {1, 2, 3, 4, 0}) {
        SCOPED_TRACE(niveau);
        panel::Reglages& r = atLevel(niveau);
        for (const std::wstring& entry : entries(r.MenuCdesSupp)) {
            SCOPED_TRACE(testing::PrintToString(entry));
            r.MenuCdesSupp.setVisible(true);
            r.MenuSalles.setVisible(false);
            r.MenuListes.setVisible(false);
            mark();
            ASSERT_TRUE(choose(r.MenuCdesSupp, entry));
            const Effet& e = effets().at(entry);
            EXPECT_EQ(typed(), e.lines);
            EXPECT_EQ(elapsed(), e.durationMs);
            EXPECT_EQ(r.MenuCdesSupp.visible(), e.opens.empty());
            EXPECT_EQ(r.MenuSalles.visible(), e.opens == "MenuSalles");
            EXPECT_EQ(r.MenuListes.visible(), e.opens == "MenuListes");
            EXPECT_EQ(r.windowState(), ui::WindowState::Normal);
            if (e.opens == "MenuListes") {
                EXPECT_EQ(r.MenuListes.listCount(), 6) << "the same at every level";
            }
        }
    }
}

// At levels 4 and 0 the menu stays empty and keeps its height: the design's, as they come first here.
TEST_F(CommandMenus, TheRoomMenuPerLevel) {
    const std::vector<std::wstring> all = {L"Passer salle en permanent", L"Passer salle en provisoire",
                                           L"Réserver salle aux VIP", L"Autoriser salle à tous",
                                           L"Supprimer la salle"};
    const struct {
        int niveau;
        std::vector<std::wstring> entries;
        int height;
    } levels[] = {
        {4, {}, 1005}, {0, {}, 1005}, {3, {L"Supprimer la salle"}, 210}, {1, all, 1005}, {2, all, 1005}};
    panel::Reglages& r = startPanel();
    for (const auto& l : levels) {
        SCOPED_TRACE(l.niveau);
        atLevel(l.niveau);
        r.part<MenusCommandes>().gestionsalles();
        EXPECT_FALSE(r.MenuCdesSupp.visible());
        EXPECT_TRUE(r.MenuSalles.visible());
        EXPECT_EQ(r.MenuSalles.left(), 1680);
        EXPECT_EQ(entries(r.MenuSalles), l.entries);
        EXPECT_EQ(r.MenuSalles.height(), l.height);
    }
}

// Both sub-menus at the owner's level: their entries in order, each one's line and pause.
TEST_F(CommandMenus, EachSubMenuEntryTypesItsLineThenWaitsHalfASecond) {
    const std::vector<std::pair<std::wstring, std::string>> salles = {
        {L"Passer salle en permanent", "/permanent on"},
        {L"Passer salle en provisoire", "/permanent off"},
        {L"Réserver salle aux VIP", "/proonly on"},
        {L"Autoriser salle à tous", "/proonly off"},
        {L"Supprimer la salle", "/del"}};
    const std::vector<std::pair<std::wstring, std::string>> listes = {
        {L"OPlist totale", "/oplist list"},
        {L"OPlist rouges", "/oplist list owner"},
        {L"OPlist operateurs +", "/oplist list opplus"},
        {L"OPlist opérateurs", "/oplist list operator"},
        {L"OPlist bleus", "/oplist list friend"},
        {L"Liste des bannis", "/banlist list"}};
    panel::Reglages& r = startAtLevel(1);
    MenusCommandes& menus = r.part<MenusCommandes>();
    for (const auto& [menu, open, table] :
         {std::tuple{&r.MenuSalles, &MenusCommandes::gestionsalles, &salles},
          std::tuple{&r.MenuListes, &MenusCommandes::gestionlistes, &listes}}) {
        (menus.*open)();
        std::vector<std::wstring> expected;
        for (const auto& [entry, line] : *table) {
            SCOPED_TRACE(line);
            expected.push_back(entry);
            mark();
            ASSERT_TRUE(choose(*menu, entry));
            EXPECT_EQ(typed(), (std::vector<Typed>{{line, 0}}));
            EXPECT_EQ(elapsed(), 650);
            EXPECT_TRUE(menu->visible());
            EXPECT_EQ(r.windowState(), ui::WindowState::Normal);
        }
        EXPECT_EQ(entries(*menu), expected);
        EXPECT_EQ(menu->left(), 1680);
        EXPECT_EQ(menu->height(), menu == &r.MenuListes ? 1200 : 1005);
    }
}

TEST_F(CommandMenus, TheSameEntryTwiceTypesTwiceTheMenuStayingOpen) {
    panel::Reglages& r = startAtLevel(3);
    r.part<MenusCommandes>().gestionsalles();
    ASSERT_TRUE(choose(r.MenuSalles, L"Supprimer la salle"));
    ASSERT_TRUE(choose(r.MenuSalles, L"Supprimer la salle"));
    EXPECT_EQ(typed(), (std::vector<Typed>{{"/del", 0}, {"/del", 650}}));
}

TEST_F(CommandMenus, UnknownAndEmptyEntriesDoNothing) {
    panel::Reglages& r = startAtLevel(1);
    r.part<MenusCommandes>().gestionlistes();
    for (ui::ListBox* menu : {&r.MenuCdesSupp, &r.MenuListes}) {
        menu->setVisible(true);
        menu->addItem(L"");
        menu->addItem(L"débannir");
        menu->userSelect(menu->listCount() - 1);
        menu->userSelect(menu->listCount() - 2);
    }
    EXPECT_TRUE(typed().empty());
    EXPECT_EQ(elapsed(), 0);
    EXPECT_TRUE(r.MenuCdesSupp.visible());
}

}  // namespace
}  // namespace wardo::commands
