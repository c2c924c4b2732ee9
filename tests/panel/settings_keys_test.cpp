// The section "Parametres" as a contract between the settings pane and the next start: for each key,
// what the user does, what the pane writes, and what a fresh program reads from it.
#include <functional>
#include <map>

#include "settings_pane_fixture.h"

namespace wardo::panel::testing {
namespace {

using P = const app::Program&;
using R = const Reglages&;

struct KeyRow {
    const char* name;
    std::string parametres;                 // the file before
    std::function<void(Reglages&)> choose;  // on the opened pane, before "Valider"
    std::map<std::wstring, std::wstring> written;
    std::function<void(P, R)> read;  // by the next start
};

void PrintTo(const KeyRow& k, std::ostream* os) {
    *os << k.name;
}

class SettingsKeys : public SettingsPaneTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(SettingsKeys, WrittenByThePaneAndReadByTheNextStart) {
    const KeyRow& k = GetParam();
    Reglages& r = openPane(k.parametres);
    k.choose(r);
    ASSERT_TRUE(valider());
    for (const auto& [key, value] : k.written) {
        EXPECT_TRUE(holds(text::toAnsi(key))) << text::toAnsi(key);
        EXPECT_EQ(stored(key.c_str()), value) << text::toAnsi(key);
    }
    Reglages& next = nextStart();
    k.read(*program, next);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsPane, SettingsKeys,
    ::testing::Values(KeyRow{"Statut",
                             "",
                             [](Reglages& r) { r.Statut(3).click(); },
                             {{L"Statut", L"op"}},
                             [](P p, R r) {
                                 EXPECT_EQ(p.MotStatut, L"op");
                                 EXPECT_EQ(p.NiveauStatut, 3);
                                 EXPECT_EQ(r.Label1.caption(), L"Panel opérateur");
                             }},
                      KeyRow{"AnnSonore O and BipEntree",
                             "",
                             [](Reglages& r) { r.Signal(2).click(); },
                             {{L"AnnSonore", L"O"}, {L"BipEntree", L"2"}},
                             [](P p, R r) {
                                 EXPECT_TRUE(p.AnnonceSonoreActive);
                                 EXPECT_EQ(r.ChoixSonEntree, L"2");
                                 EXPECT_EQ(p.CheminSonEntree, L"C:\\Program Files\\Wardo\\sonentree2.wav");
                             }},
                      KeyRow{"AnnSonore N keeps BipEntree",
                             "AnnSonore=O\r\nBipEntree=3\r\n",
                             [](Reglages& r) {
                                 r.Signal(2).click();
                                 r.Signal(4).click();
                             },
                             {{L"AnnSonore", L"N"}, {L"BipEntree", L"3"}},
                             [](P p, R r) {
                                 EXPECT_FALSE(p.AnnonceSonoreActive);
                                 EXPECT_EQ(r.ChoixSonEntree, L"3");
                             }},
                      KeyRow{"SalutNouvUser O",
                             "",
                             [](Reglages& r) { r.AvecAccueil.click(); },
                             {{L"SalutNouvUser", L"O"}},
                             [](P p, R) { EXPECT_TRUE(p.AccueilActif); }},
                      KeyRow{"SalutNouvUser N",
                             "SalutNouvUser=O\r\n",
                             [](Reglages& r) { r.SansAccueil.click(); },
                             {{L"SalutNouvUser", L"N"}},
                             [](P p, R) { EXPECT_FALSE(p.AccueilActif); }},
                      KeyRow{"Signekick",
                             "",
                             [](Reglages& r) { r.SignerActions.click(); },
                             {{L"Signekick", L"N"}},
                             [](P p, R) { EXPECT_FALSE(p.SignatureActive); }},
                      KeyRow{"AvecDing",
                             "",
                             [](Reglages& r) { r.pasdeding.click(); },
                             {{L"AvecDing", L"N"}},
                             [](P p, R) { EXPECT_FALSE(p.DingAutorise); }},
                      KeyRow{"RetBarreTaches",
                             "",
                             [](Reglages& r) { r.RetourBarreTaches.click(); },
                             {{L"RetBarreTaches", L"O"}},
                             [](P p, R) { EXPECT_TRUE(p.RetourBarreTachesActif); }},
                      KeyRow{"IgnoreReentrant",
                             "IgnoreReentrant=N\r\n",
                             [](Reglages& r) { r.IgnorerReentrant.click(); },
                             {{L"IgnoreReentrant", L"O"}},
                             [](P p, R) { EXPECT_TRUE(p.IgnoreReentrantActif); }},
                      KeyRow{"DureePunish",
                             "",
                             [](Reglages& r) { r.ListPunish.userSelect(3); },
                             {{L"DureePunish", L"2j"}},
                             [](P p, R) { EXPECT_EQ(p.CodeDureePunish, L"2j"); }},
                      KeyRow{"DureeBan",
                             "",
                             [](Reglages& r) { r.ListBan.userSelect(4); },
                             {{L"DureeBan", L"def"}},
                             [](P p, R) { EXPECT_EQ(p.CodeDureeBan, L"def"); }},
                      KeyRow{"untouched lists",
                             "DureePunish=2h\r\nDureeBan=1m\r\n",
                             [](Reglages&) {},
                             {{L"DureePunish", L"2h"}, {L"DureeBan", L"1m"}},
                             [](P p, R) {
                                 EXPECT_EQ(p.CodeDureePunish, L"2h");
                                 EXPECT_EQ(p.CodeDureeBan, L"1m");
                             }},
                      KeyRow{"Type Ban IP+Pseudo",
                             "",
                             [](Reglages& r) { r.banippseudo.click(); },
                             {{L"Type Ban", L"IP+Pseudo"}},
                             [](P, R r) {
                                 EXPECT_TRUE(r.banippseudo.value());
                                 EXPECT_FALSE(r.banpseudo.value());
                             }},
                      KeyRow{"Type Ban Pseudo",
                             "Type Ban=IP+Pseudo\r\n",
                             [](Reglages& r) { r.banpseudo.click(); },
                             {{L"Type Ban", L"Pseudo"}},
                             [](P, R r) {
                                 EXPECT_TRUE(r.banpseudo.value());
                                 EXPECT_FALSE(r.banippseudo.value());
                             }},
                      KeyRow{"PhraseAccueil",
                             "",
                             [](Reglages& r) { r.Text1.userSetText(L"Bonjour $N, à toi !"); },
                             {{L"PhraseAccueil", L"Bonjour $N, à toi !"}},
                             [](P p, R) { EXPECT_EQ(p.TexteAccueil, L"Bonjour $N, à toi !"); }},
                      KeyRow{"PhraseConnexion",
                             "",
                             [](Reglages& r) { r.Text2.userSetText(L"Coucou Les Amis"); },
                             {{L"PhraseConnexion", L"Coucou Les Amis"}},
                             [](P p, R) { EXPECT_EQ(p.TexteConnexion, L"coucou les amis"); }},
                      KeyRow{"PhraseConnexion emptied",
                             "PhraseConnexion=bonjour\r\n",
                             [](Reglages& r) { r.Text2.userSetText(L""); },
                             {{L"PhraseConnexion", L""}},
                             [](P p, R) { EXPECT_EQ(p.TexteConnexion, L"Salut la room !"); }},
                      KeyRow{"PhraseConnexion untouched",
                             "PhraseConnexion=Hello\r\n",
                             [](Reglages&) {},
                             {{L"PhraseConnexion", L"hello"}},
                             [](P p, R) { EXPECT_EQ(p.TexteConnexion, L"hello"); }},
                      KeyRow{"CodeOPME kept",
                             "CodeOPME=<ancien code>\r\n",
                             [](Reglages&) {},
                             {},
                             [](P p, R) { EXPECT_EQ(p.CodeOpme, L"ancien code"); }},
                      KeyRow{"CodeOPME erased",
                             "CodeOPME=<ancien code>\r\n",
                             [](Reglages& r) { r.saisieCodeOPME.click(); },
                             {{L"CodeOPME", L""}},
                             [](P p, R) { EXPECT_EQ(p.CodeOpme, L""); }},
                      KeyRow{"AvecBip",
                             "",
                             [](Reglages& r) {
                                 r.AvecOuSansBip.click();
                                 r.AvecOuSansBip.click();
                             },
                             {{L"AvecBip", L"0"}},
                             [](P p, R) { EXPECT_FALSE(p.BipActif); }}));

}  // namespace
}  // namespace wardo::panel::testing
