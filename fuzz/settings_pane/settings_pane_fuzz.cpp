// Fuzzes the settings pane on a settings file as a user may hand-edit it: any bytes as the file, the
// panel loaded, the pane opened, some of its controls changed as the input says, then validated. The
// keys the pane does not own must read back as they did, the pane's own keys as the values in force
// (under the file's reading rules, as if written to an empty file), and the next start must find the
// same options and operator code.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/principale.h"
#include "app/program.h"
#include "monitor/status_levels.h"
#include "panel/reglages.h"
#include "platform/sim/sim_desktop.h"
#include "settings/profile_format.h"
#include "settings/settings_file.h"
#include "ui/headless_host.h"

namespace {

using namespace wardo;
using text::Text;

constexpr const wchar_t* kIni = L"C:\\Fuzz\\Wardo\\wardo.ini";

void check(bool holds) {
    if (!holds) std::abort();
}

// A value as the next read of the file gives it back after the pane wrote it.
Text asRead(const Text& value) {
    auto through = [](const Text& s) { return text::fromAnsi(text::toAnsi(s)); };
    const auto back = settings::iniRead(settings::iniWrite("", L"S", L"k", through(value)), L"S", L"k");
    return through(back.value_or(L"").substr(0, settings::kMaxValueLength));
}

// Keys that belong to others, read before and after: none may change.
const std::pair<const wchar_t*, const wchar_t*> kOthers[] = {{L"Parametres", L"AffWarning"},
                                                             {L"Parametres", L"AffInfos1"},
                                                             {L"Parametres", L"AffInfos2"},
                                                             {L"Parametres", L"Largeur"},
                                                             {L"Parametres", L"Mode"},
                                                             {L"Parametres", L"ToucheMicro"},
                                                             {L"Parametres", L"Skin"},
                                                             {L"Parametres", L"Serveur"},
                                                             {L"Alertes", L"1"},
                                                             {L"Alertes", L"6"},
                                                             {L"Annonces", L"1"},
                                                             {L"TitresAnnonces", L"1"},
                                                             {L"Raisons", L"2"},
                                                             {L"Sons", L"1"},
                                                             {L"Statut", L"Statut"}};

struct Start {
    explicit Start(platform::sim::SimDesktop& desk) : program(desk.platform(), host) {
        program.principale().show();
        program.reglages().load();
    }
    ui::HeadlessHost host;
    app::Program program;
};

Text typed(FuzzedDataProvider& in) {
    return text::fromAnsi(in.ConsumeRandomLengthString(48));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto choices = in.ConsumeIntegral<std::uint32_t>();
    const auto picks = in.ConsumeIntegral<std::uint32_t>();
    auto on = [choices](int bit) { return (choices >> bit & 1) != 0; };
    auto pick = [picks](int at, int count) { return static_cast<int>((picks >> at) % count); };
    const Text welcome = on(12) ? typed(in) : Text();
    const Text phrase = on(13) ? typed(in) : Text();
    const Text code = on(15) ? typed(in) : Text();
    const std::string file = in.ConsumeRemainingBytesAsString();

    platform::sim::SimDesktop desk;
    desk.env.set(L"APPDATA", L"C:\\Fuzz");
    std::filesystem::create_directories(desk.files.hostPath(L"C:\\Fuzz\\Wardo"));
    check(desk.files.writeAllAtomic(kIni, file));

    auto first = std::make_unique<Start>(desk);
    app::Program& p = first->program;
    panel::Reglages& r = p.reglages();
    r.show();
    std::vector<Text> others;
    for (const auto& [section, key] : kOthers) others.push_back(p.LitIni(section, key));

    r.Configurer.click();
    r.MenuConfig.userSelect(0);
    if (on(0)) r.Statut(pick(0, 5) + 1).click();
    if (on(1)) r.Signal(pick(3, 4) + 1).click();
    if (on(2)) r.SignerActions.click();
    if (on(3)) r.pasdeding.click();
    if (on(4)) r.RetourBarreTaches.click();
    if (on(5)) r.IgnorerReentrant.click();
    if (on(6)) r.AvecAccueil.click();
    if (on(7)) r.SansAccueil.click();
    if (on(8)) r.ListPunish.userSelect(pick(6, 4));
    if (on(9)) r.ListBan.userSelect(pick(9, 5));
    if (on(10)) r.banpseudo.click();
    if (on(11)) r.banippseudo.click();
    if (on(12)) r.Text1.userSetText(welcome);
    if (on(13)) r.Text2.userSetText(phrase);
    if (on(14) || on(15)) r.saisieCodeOPME.click();
    if (on(15)) r.saisieCodeOPME.userSetText(code);
    if (on(16)) r.AvecOuSansBip.click();
    const bool welcomeWritten = !r.Text1.text().empty();
    const Text typeBan = p.LitIni(L"Parametres", L"Type Ban"),
               bipEntree = p.LitIni(L"Parametres", L"BipEntree");
    const Text codeTyped = r.saisieCodeOPME.text();

    r.ValiderChoix.click();
    bool accepted = r.Frame1.left() != panel::Reglages::kPaneShownLeft;
    if (!accepted && on(17)) {
        r.Text2.userSetText(L"Salut la room !");
        r.ValiderChoix.click();
        accepted = true;
    }

    for (size_t i = 0; i < others.size(); ++i)
        check(p.LitIni(kOthers[i].first, kOthers[i].second) == others[i]);
    auto lit = [&p](const wchar_t* key) { return p.LitIni(L"Parametres", key); };
    check(lit(L"Statut") == asRead(p.MotStatut));
    check(lit(L"AnnSonore") == (p.AnnonceSonoreActive ? L"O" : L"N"));
    check(lit(L"DureePunish") == asRead(p.CodeDureePunish));
    check(lit(L"DureeBan") == asRead(p.CodeDureeBan));
    check(lit(L"BipEntree") == (p.AnnonceSonoreActive ? asRead(r.ChoixSonEntree) : bipEntree));
    check(lit(L"Type Ban") == (r.banippseudo.value() ? L"IP+Pseudo"
                               : r.banpseudo.value() ? L"Pseudo"
                                                     : typeBan));
    check(lit(L"Signekick") == (p.SignatureActive ? L"O" : L"N"));
    check(lit(L"AvecDing") == (p.DingAutorise ? L"O" : L"N"));
    check(lit(L"RetBarreTaches") == (p.RetourBarreTachesActif ? L"O" : L"N"));
    check(lit(L"IgnoreReentrant") == (p.IgnoreReentrantActif ? L"O" : L"N"));
    check(lit(L"SalutNouvUser") == (p.AccueilActif ? L"O" : L"N"));
    if (on(16)) check(lit(L"AvecBip") == (p.BipActif ? L"1" : L"0"));
    if (accepted) {
        check(r.Frame1.left() == panel::Reglages::kFrame1HiddenLeft);
        check(r.ListPunish.listCount() == 0 && r.ListBan.listCount() == 0);
        check(lit(L"PhraseConnexion") == asRead(p.TexteConnexion));
        if (welcomeWritten) check(lit(L"PhraseAccueil") == asRead(p.TexteAccueil));
        check(p.CodeOpme == codeTyped);
    }

    // The next start, on the same files.
    const bool sound = p.AnnonceSonoreActive, welcomeOn = p.AccueilActif, signature = p.SignatureActive,
               ding = p.DingAutorise, reentrant = p.IgnoreReentrantActif, taskBar = p.RetourBarreTachesActif,
               beep = p.BipActif;
    const Text mot = asRead(p.MotStatut).empty() ? Text(L"rouge") : asRead(p.MotStatut);
    const int niveau = monitor::NiveauDuMot(mot).value_or(0);
    const Text codeInForce = p.CodeOpme;
    first.reset();
    Start next(desk);
    const app::Program& n = next.program;
    check(n.AnnonceSonoreActive == sound && n.AccueilActif == welcomeOn && n.SignatureActive == signature &&
          n.DingAutorise == ding && n.IgnoreReentrantActif == reentrant &&
          n.RetourBarreTachesActif == taskBar && n.BipActif == beep && n.NiveauStatut == niveau);
    if (accepted && codeInForce.size() <= 380) check(n.CodeOpme == codeInForce);
    return 0;
}
