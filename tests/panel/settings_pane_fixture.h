// The panel shown with a given settings file, its settings pane opened through the configuration menu,
// and the next start of the program on the same files.
#pragma once
#include <string>

#include "cipher/crypt_text.h"
#include "cipher/keys.h"
#include "panel/reglages_de_base.h"
#include "panel_fixture.h"

namespace wardo::panel::testing {

// The operator code as the settings file stores it.
inline std::string hexCode(const text::Text& code) {
    return text::toAnsi(cipher::TexteVersHex(cipher::CrypteTexte(code, cipher::CleTexte()), [] {}));
}

class SettingsPaneTest : public PanelTest {
protected:
    static constexpr const wchar_t* kProgramFolder = L"C:\\Program Files\\Wardo\\";

    // `parametres`: the lines of the section "Parametres", each ended by CR LF; "CodeOPME=<code>" stands
    // for that code enciphered.
    Reglages& openPane(const std::string& parametres = "") {
        Reglages& r = showPanel("[Parametres]\r\n" + withCode(parametres));
        reopenPane();
        return r;
    }
    void reopenPane() {
        Reglages& r = reglages();
        r.Configurer.click();
        r.MenuConfig.userSelect(0);  // "Réglages de base"
    }
    bool valider() { return reglages().ValiderChoix.click(); }

    // A fresh program on the same files, its panel loaded.
    Reglages& nextStart() {
        freshProgram();
        return loadPanel();
    }

    static std::string withCode(std::string ini) {
        const std::string mark = "CodeOPME=<";
        const size_t at = ini.find(mark);
        if (at == std::string::npos) return ini;
        const size_t begin = at + mark.size(), end = ini.find('>', begin);
        return ini.replace(at + mark.size() - 1, end - begin + 2,
                           hexCode(text::fromAnsi(ini.substr(begin, end - begin))));
    }

    text::Text stored(const wchar_t* key) { return program->LitIni(L"Parametres", key); }
    // The section "Parametres" holds the key, even empty.
    bool holds(const std::string& key) { return readIni().find("\n" + key + "=") != std::string::npos; }
};

}  // namespace wardo::panel::testing
