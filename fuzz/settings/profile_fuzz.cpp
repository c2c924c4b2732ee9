// Fuzzes the settings file as a user may hand-edit it: any bytes are read and written without a crash,
// and a plain value written into them reads back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/profile_format.h"

using wardo::text::Text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes pick the section and key among a few names, in any letter case.
    static const wchar_t* kSections[] = {L"Parametres", L"PARAMETRES", L"Alertes", L"", L"Type Ban"};
    static const wchar_t* kKeys[] = {L"PhraseConnexion", L"phraseconnexion", L"1", L"Type Ban", L""};
    const Text section = kSections[data[0] % 5];
    const Text key = kKeys[data[1] % 5];
    const std::string content(reinterpret_cast<const char*>(data + 2), size - 2);

    (void)wardo::settings::iniRead(content, section, key);
    if (section.empty() || key.empty()) return 0;
    const Text value = L"valeur 42 \u00e9t\u00e9";
    const std::string written = wardo::settings::iniWrite(content, section, key, value);
    const auto back = wardo::settings::iniRead(written, section, key);
    if (!back || *back != value) std::abort();
    return 0;
}
