// Reading and writing one entry of a profile (INI) file's bytes, with the observable behaviour of the
// system's GetPrivateProfileString / WritePrivateProfileString, hostile hand-edited files included.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "text/text.h"

namespace wardo::settings {

// The value of `key` in the first section named `section` (names without regard to ASCII case, blanks
// around them ignored), blanks around it dropped and then one pair of enclosing quotes, ' or ". No
// value (missing file content, section, key, or a line without "=") is nullopt. No length limit here.
std::optional<text::Text> iniRead(const std::string& content, const text::Text& section,
                                  const text::Text& key);

// A file's bytes decoded and parsed once, for several reads in a row: each as iniRead gives it.
class ProfileReader {
public:
    explicit ProfileReader(const std::string& content);
    ~ProfileReader();
    ProfileReader(ProfileReader&&) noexcept;
    ProfileReader& operator=(ProfileReader&&) noexcept;

    std::optional<text::Text> read(const text::Text& section, const text::Text& key) const;

private:
    struct Parsed;
    std::unique_ptr<const Parsed> parsed_;
};

// The file's new bytes after storing `value`: the entry's own line is rewritten in place; a missing key
// goes after the last line of the first such section; a missing section goes at the end. Every other
// byte is kept. Line breaks in names and value become blanks, so a write never adds a line of its own.
std::string iniWrite(const std::string& content, const text::Text& section, const text::Text& key,
                     const text::Text& value);

}  // namespace wardo::settings
