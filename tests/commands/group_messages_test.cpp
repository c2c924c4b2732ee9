// The group messages: the window opened by "Msg aux couleurs", the line each of its four buttons types
// into the room, and the window emptied, placed and hidden as the user expects.
#include <string>
#include <vector>

#include "attached_panel_fixture.h"
#include "commands/envoimsg.h"

namespace wardo::commands {
namespace {

class GroupMessagesTest : public panel::testing::AttachedPanelTest {
protected:
    void SetUp() override {
        startPanel();
        program->PseudoRobot = L"Robo";
    }

    // The user clicks "Msg aux couleurs" and gets the window.
    Envoimsg& open() {
        EXPECT_TRUE(reglages().MsgPerso.click());
        return program->envoimsg();
    }
    ui::Button& button(Envoimsg& w, const std::wstring& caption) {
        for (ui::Button* b : {&w.ReyCommand1, &w.ReyCommand2, &w.ReyCommand3, &w.ReyCommand4})
            if (b->caption() == caption) return *b;
        ADD_FAILURE() << "no button " << text::toAnsi(caption);
        return w.ReyCommand1;
    }
    // Every line typed into the room's input line, as the room received it.
    std::vector<std::wstring> typed() {
        std::vector<std::wstring> out;
        for (const auto& m : desk.windows.logFor(room.inputLine()))
            if (m.kind == platform::sim::MessageKind::SetText) out.push_back(text::fromAnsi(m.text));
        return out;
    }
};

struct Send {
    const wchar_t* button;
    const wchar_t* text;
    const wchar_t* pseudo;
    std::vector<std::wstring> typed;
};

std::ostream& operator<<(std::ostream& os, const Send& s) {
    return os << text::toAnsi(s.button) << "/" << text::toAnsi(s.text);
}

class Sends : public GroupMessagesTest, public ::testing::WithParamInterface<Send> {};

TEST_P(Sends, TypeThePrefixTheTextAndTheSignatureThenHide) {
    const Send& s = GetParam();
    program->PseudoRobot = s.pseudo;
    program->SignatureActive = false;  // the sanctions' signature option does not apply here
    Envoimsg& w = open();
    ASSERT_TRUE(w.ReyTextBox1.userSetText(s.text));
    const auto start = desk.loop.nowMs();
    ASSERT_TRUE(button(w, s.button).click());
    EXPECT_EQ(typed(), s.typed);
    EXPECT_EQ(desk.loop.nowMs() - start, s.typed.empty() ? 0 : 150) << "no pause after the line's own";
    EXPECT_FALSE(w.visible());
    EXPECT_TRUE(w.loaded()) << "hidden, not unloaded";
    EXPECT_EQ(reglages().windowState(), ui::WindowState::Normal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(GroupMessages, Sends, ::testing::Values(
    Send{L"Envoi aux bleus ", L"Salut", L"Robo", {L"/msg 'F' Message aux bleus : Salut (de Robo)"}},
    Send{L"Envoi aux rouges", L"Réunion à 20h", L"Robo",
         {L"/msg 'W' Message aux rouges : Réunion à 20h (de Robo)"}},
    Send{L"Envoi aux verts + rouges", L" deux  blancs ", L"Robo",
         {L"/msg 'OPW' Message aux verts et rouges :  deux  blancs  (de Robo)"}},
    Send{L"Envoi à toutes couleurs", L"Bonsoir", L"Robo",
         {L"/msg 'FOPW' Message à tous sauf aux noirs : Bonsoir (de Robo)"}},
    Send{L"Envoi à toutes couleurs", L"", L"Robo", {}},
    Send{L"Envoi aux bleus ", L"Coucou", L"", {L"/msg 'F' Message aux bleus : Coucou (de )"}}));
// clang-format on

TEST_F(GroupMessagesTest, TheTaskBarOptionMinimisesThePanelAfterEverySendEvenAnEmptyOne) {
    program->RetourBarreTachesActif = true;
    for (const wchar_t* texte : {L"", L"Hop"}) {
        reglages().setWindowState(ui::WindowState::Normal);
        Envoimsg& w = open();
        w.ReyTextBox1.userSetText(texte);
        ASSERT_TRUE(w.ReyCommand3.click());
        EXPECT_EQ(reglages().windowState(), ui::WindowState::Minimized) << text::toAnsi(texte);
    }
    EXPECT_EQ(typed(), (std::vector<std::wstring>{L"/msg 'W' Message aux rouges : Hop (de Robo)"}));
}

TEST_F(GroupMessagesTest, EveryShowingAndADoubleClickEmptyTheText) {
    Envoimsg& w = open();
    EXPECT_EQ(w.caption(), L"Envoi d'un message à une catégorie de users");
    w.ReyTextBox1.userSetText(L"pas envoyé");
    reglages().show();  // the user goes back to the panel...
    open();             // ...and opens the window again
    EXPECT_EQ(w.ReyTextBox1.text(), L"");

    w.ReyTextBox1.userSetText(L"envoyé");
    w.ReyCommand4.click();
    open();
    EXPECT_EQ(w.ReyTextBox1.text(), L"");

    w.ReyTextBox1.userSetText(L"à effacer");
    ASSERT_TRUE(w.ReyTextBox1.dblClick());
    EXPECT_EQ(w.ReyTextBox1.text(), L"");
    EXPECT_TRUE(typed().size() == 1);
}

TEST_F(GroupMessagesTest, OpensOverThePanelAboveAllWindowsAndStaysWhereTheUserLeftIt) {
    reglages().move(3000, 2000);
    Envoimsg& w = open();
    EXPECT_EQ(w.left(), 3000);
    EXPECT_EQ(w.top(), 2000);
    int topmost = 0;
    for (const auto& m : desk.windows.logFor(w.handle())) topmost += m.text == "HWND_TOPMOST";
    EXPECT_EQ(topmost, 1);

    w.move(6000, 500);  // the user moves it, sends, and the panel moves
    w.ReyCommand1.click();
    reglages().move(100, 100);
    open();
    EXPECT_EQ(w.left(), 6000);
    EXPECT_EQ(w.top(), 500);

    ASSERT_TRUE(w.userClose());  // closed with the window's own close box: unloaded
    EXPECT_FALSE(w.loaded());
    open();
    EXPECT_EQ(w.left(), 100) << "loaded afresh over the panel";
    EXPECT_EQ(w.top(), 100);
    EXPECT_TRUE(w.visible());
}

}  // namespace
}  // namespace wardo::commands
