// The panel's informative side: the information frames of the first activations, the menu titles, the
// help and about panes with their texts, the web links and the way to the support window.
#include <algorithm>

#include "panel_fixture.h"
#include "serverlink/message.h"

namespace wardo::panel::testing {
namespace {

class HelpPanes : public PanelTest {
protected:
    // The information frame in view, "" when none.
    std::wstring frameInView() {
        for (ui::Frame* f : {&reglages().FrameInfos, &reglages().FrameInfos2})
            if (f->left() == 150) return f->name();
        return L"";
    }
};

// The frames that show one after the other as the user presses "J'ai bien lu"; the panel starts only
// at the activation after the last one.
struct Frames {
    const char* ini;
    std::vector<std::wstring> shown;
};

class InformationFrames : public HelpPanes, public ::testing::WithParamInterface<Frames> {};

TEST_P(InformationFrames, EachButtonShowsTheNextFrameAndTheNextActivationStartsThePanel) {
    Reglages& r = showPanel(GetParam().ini);
    const std::string stored = readIni();
    for (const std::wstring& frame : GetParam().shown) {
        ASSERT_EQ(frameInView(), frame);
        EXPECT_FALSE(launched());
        ASSERT_TRUE((frame == L"FrameInfos" ? r.jaibienlu1 : r.jaibienlu2).click());
    }
    EXPECT_EQ(frameInView(), L"");
    EXPECT_FALSE(launched());
    reactivate();
    EXPECT_TRUE(launched());
    EXPECT_EQ(readIni(), stored) << "the buttons store nothing";
}

INSTANTIATE_TEST_SUITE_P(HelpPanes, InformationFrames,
                         ::testing::Values(Frames{"", {L"FrameInfos", L"FrameInfos2"}},
                                           Frames{"[Parametres]\r\nAffInfos1=N\r\n", {L"FrameInfos2"}},
                                           Frames{"[Parametres]\r\nAffInfos2=N\r\n", {L"FrameInfos"}}));

// Ticking "Cacher ce message la prochaine fois": stored at once, the box goes, and the frame no longer
// counts as due although it is still in view.
TEST_F(HelpPanes, TickedBoxesHideTheFramesForGood) {
    Reglages& r = showPanel();
    ASSERT_TRUE(r.Check2.click());
    EXPECT_NE(readIni().find("AffInfos1=N"), std::string::npos);
    EXPECT_FALSE(r.Check2.visible());
    EXPECT_FALSE(program->AfficherInfos1);
    EXPECT_EQ(r.FrameInfos.left(), 150);
    reactivate();
    EXPECT_EQ(r.FrameInfos2.left(), 150);

    ASSERT_TRUE(r.Check1.click());
    EXPECT_NE(readIni().find("AffInfos2=N"), std::string::npos);
    EXPECT_FALSE(r.Check1.visible());
    EXPECT_FALSE(launched());
    reactivate();
    EXPECT_TRUE(launched());

    freshProgram();
    showPanel();
    EXPECT_EQ(frameInView(), L"");
    EXPECT_TRUE(launched());
}

TEST_F(HelpPanes, UntickingABoxDoesNothing) {
    Reglages& r = showPanel();
    r.Check2.setValue(2);
    r.Check2.setValue(0);
    EXPECT_TRUE(r.Check2.visible());
    EXPECT_TRUE(program->AfficherInfos1);
    EXPECT_EQ(readIni().find("AffInfos1"), std::string::npos);
}

// "Aide" then an entry of the help menu: the pane comes into view over the panel and its close image
// brings the panel's own images back.
struct Entry {
    int index;
    const wchar_t* pane;
    ui::Picture Reglages::*close;
};

class HelpMenu : public HelpPanes, public ::testing::WithParamInterface<Entry> {};

TEST_P(HelpMenu, OpensItsPaneOverThePanel) {
    Reglages& r = showStarted();
    ASSERT_TRUE(r.Label58.click());
    EXPECT_TRUE(r.MenuAide.visible());
    EXPECT_EQ(r.MenuAide.left(), 3120);
    ASSERT_TRUE(r.MenuAide.userSelect(GetParam().index));
    const ui::Control& pane = *r.find(GetParam().pane);
    EXPECT_EQ(pane.left(), 150);
    EXPECT_FALSE(r.MenuAide.visible());
    EXPECT_FALSE(r.Image3.visible());
    EXPECT_FALSE(r.Image4.visible());
    EXPECT_EQ(r.Label44.caption(), GetParam().index == 1 ? L"1.52" : L"");
    ASSERT_TRUE((r.*GetParam().close).click());
    EXPECT_EQ(pane.left(), 12000);
    EXPECT_TRUE(r.Image3.visible());
    EXPECT_TRUE(r.Image4.visible());
}

INSTANTIATE_TEST_SUITE_P(HelpPanes, HelpMenu,
                         ::testing::Values(Entry{0, L"FrameAide", &Reglages::Image1},
                                           Entry{1, L"FrameAPropos", &Reglages::Image7}));

TEST_F(HelpPanes, MenuTitlesShowTheirMenuAndHideTheOthers) {
    Reglages& r = showStarted();
    auto shown = [&r] {
        std::wstring s;
        for (ui::ListBox* m : {&r.MenuConfig, &r.MenuAide, &r.MenuCdesSupp, &r.MenuSalles, &r.MenuListes})
            if (m->visible()) s += m->name() + L" ";
        return s;
    };
    r.Configurer.click();
    r.Label58.click();
    EXPECT_EQ(shown(), L"MenuAide ");
    r.Label58.click();
    EXPECT_EQ(shown(), L"MenuAide ") << "\"Aide\" twice keeps the help menu";
    r.MenuAide.click();  // a click on no entry
    EXPECT_EQ(shown(), L"MenuAide ");

    r.MenuSalles.setVisible(true);
    r.MenuListes.setVisible(true);
    r.Label57.click();
    EXPECT_EQ(shown(), L"MenuCdesSupp ");
    r.Label57.click();
    EXPECT_EQ(shown(), L"") << "\"Autres commandes\" twice shows, then hides the command menu";
    r.Label57.click();
    r.Label58.click();
    EXPECT_EQ(shown(), L"MenuAide ");
}

TEST_F(HelpPanes, WebLinksOpenTheirPageOwnedByThePanel) {
    Reglages& r = showStarted();
    ASSERT_TRUE(r.Label21.click());
    ASSERT_TRUE(r.Label4.click());
    using Page = platform::sim::SimEnvironment::OpenedPage;
    EXPECT_EQ(desk.env.openedPages(),
              (std::vector<Page>{{panelHandle(), L"https://www.example.org/wardo/"},
                                 {panelHandle(), L"https://www.example.org/wardo/touches.html"}}));
}

TEST_F(HelpPanes, TheAboutPaneOpensTheSupportWindowModeless) {
    Reglages& r = showStarted();
    r.Label58.click();
    r.MenuAide.userSelect(1);
    EXPECT_EQ(r.EcrireSupport.caption(), L"Écrire au support");
    ASSERT_TRUE(r.EcrireSupport.click());
    serverlink::Message& m = program->message();
    EXPECT_TRUE(m.visible());
    EXPECT_EQ(m.caption(), L"Envoi d'un message au suport");
    EXPECT_TRUE(r.takesInput()) << "modeless: the panel still answers";
}

// The fixed texts of the panes, top to bottom.
TEST_F(HelpPanes, PanesHoldTheirTexts) {
    const std::vector<std::wstring> aide = {
        L"- L'annonce des entrants ne marche pas :",
        L"Vous devez activer l'option \"Montre les alertes rejoint et quitte\" dans vos réglages de la salle",
        L"- Changer les sons fournis avec le programme",
        L"Tous les sons peuvent être personnalisés, n'hésitez pas à remplacer les sons fournis, par le menu "
        L"\"Configuer/Sons\". Enregistrez vos sons au moyen d'Audacity, par exemple, et enregistrez les au "
        L"format WAV obligatoirement.",
        L"Les sons d'entrée en salle sont dans le répertoire du programme et peuvent être changés à la main.",
        L"- Connexion au visio",
        L"La connexion se fait automatiquement  quand c'est possible. Sinon elle se fait manuellement comme "
        L"avec les autres robots .",
        L"-Une suggestion ou un problème ?",
        L"Faites un message  à ",
        L"support@example.org"};
    const std::vector<std::wstring> infos = {
        L"A LIRE ATTENTIVEMENT LA 1ERE FOIS",
        L"Fonctionnalités de cette version de Wardo",
        L"- Toutes les commandes courantes de camfrog",
        L"- Adaptation automatique aux droits de l'utilisateur.",
        L"- Prise en main intuitive",
        L"- Possibilité de 3 sons au choix pour avertir de l'entrée d'un user dans la salle",
        L"- Prise de micro prioritaire dès qu'il est libéré",
        L"- Emissions de bruits ou annonces vocales ",
        L"- Accueil personnalisé des entrants",
        L"- Prise du micro possible par la touche SHIFT gauche",
        L"Cacher ce message la prochaine fois",
        L"J'ai bien lu ... Fermer cette fenêtre"};
    const std::vector<std::wstring> infos2 = {
        L"A LIRE ATTENTIVEMENT LA 1ERE FOIS",
        L"Pour entrer un pseudo , deux façons possibles:",
        L"- Cliquer A DROITE sur le pseudo désiré",
        L"- Descendre la souris jusqu'au pseudo dans la liste",
        L"- Valider par le bouton gauche de la souris.",
        L"- Le pseudo s'affiche dans la case.",
        L"ou alors :",
        L"- Faire un DOUBLE CLIC dans la case Pseudo",
        L"- Taper le pseudo suivi de la touche ENTREE",
        L"- Tant que le pseudo est écrit en rouge il n'est pas validé. Il passe en noir une fois la touche "
        L"ENTREE tapée.",
        L"Cacher ce message la prochaine fois",
        L"J'ai bien lu ... Fermer cette fenêtre"};
    const std::vector<std::wstring> aPropos = {L"W A R D O ", L"version ", L"1.52", L"",
                                               L"Écrire au support"};

    Reglages& r = showStarted();
    r.Label58.click();
    r.MenuAide.userSelect(1);
    // Captions of the pane's labels, check boxes and buttons, by their top, then left.
    auto texts = [&r](const wchar_t* pane) {
        std::vector<const ui::Control*> in;
        for (const ui::Control* c : r.controls()) {
            const bool captioned = c->kind() == ui::ControlKind::Label ||
                                   c->kind() == ui::ControlKind::Button ||
                                   c->kind() == ui::ControlKind::CheckBox;
            if (captioned && c->container() && c->container()->name() == pane) in.push_back(c);
        }
        std::stable_sort(in.begin(), in.end(), [](const ui::Control* a, const ui::Control* b) {
            return std::pair(a->top(), a->left()) < std::pair(b->top(), b->left());
        });
        std::vector<std::wstring> out;
        for (const ui::Control* c : in) out.push_back(c->caption());
        return out;
    };
    EXPECT_EQ(texts(L"FrameAide"), aide);
    EXPECT_EQ(texts(L"FrameInfos"), infos);
    EXPECT_EQ(texts(L"FrameInfos2"), infos2);
    EXPECT_EQ(texts(L"FrameAPropos"), aPropos);
}

}  // namespace
}  // namespace wardo::panel::testing
