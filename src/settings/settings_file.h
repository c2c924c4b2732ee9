// The settings file "wardo.ini" in the configuration folder: the program's only way to read and write it.
#pragma once
#include <optional>
#include <vector>

#include "platform/files.h"
#include "settings/profile_format.h"
#include "text/text.h"

namespace wardo::settings {

// A value read is at most this long, as through the system's 800-character read buffer.
constexpr size_t kMaxValueLength = 799;

// `DossierConfig`: APPDATA followed by "\Wardo\"; with APPDATA unset, "\Wardo\" on the current drive.
text::Text DossierConfigFrom(platform::Environment& env);
// At start-up: makes the configuration folder when it is missing (the program ships alone, with no
// installer to make it), and removes the temporary files of saves that an earlier run did not finish.
// False when the folder is still missing afterwards.
bool prepareConfigFolder(platform::Files& files, const text::Text& dossierConfig);
// The settings file inside the configuration folder.
text::Text settingsFilePath(const text::Text& dossierConfig);

// The stored value, or "" when the key, section, file or folder is missing; read afresh at each call.
text::Text LitIni(platform::Files& files, const text::Text& section, const text::Text& key,
                  const text::Text& file);
// The file read once, for several values in a row with nothing stored between them: each value as
// LitIni gives it.
class IniLu {
public:
    IniLu(platform::Files& files, const text::Text& file);
    text::Text lit(const text::Text& section, const text::Text& key) const;

private:
    std::optional<ProfileReader> profile_;  // none when the file or its folder is missing
};

// Stores one value at once. A missing folder, a file that cannot be read or a refused write loses the
// value silently; the folder is made only at start-up (prepareConfigFolder).
void EcritIni(platform::Files& files, const text::Text& section, const text::Text& key,
              const text::Text& value, const text::Text& file);

// One entry to store: its section, its key and its new value.
struct IniEntry {
    text::Text section;
    text::Text key;
    text::Text value;
};

// Stores the entries in one replacement of the file: it ends as after one EcritIni per entry in this
// order, or, when the write fails, stays exactly as it was. Returns whether the file was replaced.
bool EcritIniGroupe(platform::Files& files, const std::vector<IniEntry>& entries, const text::Text& file);

}  // namespace wardo::settings
