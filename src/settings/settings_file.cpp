#include "settings/settings_file.h"

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

bool prepareConfigFolder(platform::Files& files, const text::Text& dossierConfig) {
    if (!files.createFolder(dossierConfig)) return false;
    files.removeLeftoverTemporaries(dossierConfig);
    return true;
}

text::Text settingsFilePath(const text::Text& dossierConfig) {
    return dossierConfig + L"wardo.ini";
}

IniLu::IniLu(platform::Files& files, const text::Text& file) {
    if (const auto content = files.readAll(file)) profile_.emplace(*content);
}

text::Text IniLu::lit(const text::Text& section, const text::Text& key) const {
    if (!profile_) return L"";
    const auto value = profile_->read(throughAnsi(section), throughAnsi(key));
    if (!value) return L"";
    return throughAnsi(value->substr(0, kMaxValueLength));
}

text::Text LitIni(platform::Files& files, const text::Text& section, const text::Text& key,
                  const text::Text& file) {
    return IniLu(files, file).lit(section, key);
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
