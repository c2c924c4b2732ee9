#include "settings/settings_file.h"

#include "settings/profile_format.h"

namespace wardo::settings {
namespace {

// The program talks to the file through the system's ANSI functions: every text crosses that code page.
text::Text throughAnsi(const text::Text& s) {
    return text::fromAnsi(text::toAnsi(s));
}

}  // namespace

text::Text DossierConfigFrom(platform::Environment& env) {
    return env.variable(L"APPDATA").value_or(L"") + L"\\Wardo\\";
}

text::Text settingsFilePath(const text::Text& dossierConfig) {
    return dossierConfig + L"wardo.ini";
}

text::Text LitIni(platform::Files& files, const text::Text& section, const text::Text& key,
                  const text::Text& file) {
    const auto content = files.readAll(file);
    if (!content) return L"";
    const auto value = iniRead(*content, throughAnsi(section), throughAnsi(key));
    if (!value) return L"";
    return throughAnsi(value->substr(0, kMaxValueLength));
}

void EcritIni(platform::Files& files, const text::Text& section, const text::Text& key,
              const text::Text& value, const text::Text& file) {
    EcritIniGroupe(files, {{section, key, value}}, file);
}

bool EcritIniGroupe(platform::Files& files, const std::vector<IniEntry>& entries, const text::Text& file) {
    auto content = files.readAll(file);
    // A file that exists but cannot be read must not be replaced by one holding only these entries.
    if (!content && files.fileExists(file)) return false;
    std::string bytes = content.value_or("");
    for (const IniEntry& e : entries)
        bytes = iniWrite(bytes, throughAnsi(e.section), throughAnsi(e.key), throughAnsi(e.value));
    return files.writeAllAtomic(file, bytes);
}

}  // namespace wardo::settings
