// The system's ANSI code page, through which texts cross to other programs' windows, the settings file,
// the cipher and datagrams. The simulated desktop has Windows-1252; the Windows build installs the
// system's own code page at start-up.
#pragma once
#include <string>
#include <string_view>

namespace wardo::text {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // Whole-string conversions. A character that the code page cannot hold becomes '?' on the way out.
    virtual std::wstring decode(std::string_view bytes) const = 0;
    virtual std::string encode(std::wstring_view text) const = 0;
};

// Windows-1252 as the system converts it (the five unassigned bytes stand for the C1 controls of the
// same value).
const AnsiCodePage& windows1252();

// The code page that toAnsi and fromAnsi use from now on; nullptr brings back Windows-1252. Installed
// once, before any conversion; the object must live as long as it is installed.
void useAnsiCodePage(const AnsiCodePage* codePage);
const AnsiCodePage& ansiCodePage();

}  // namespace wardo::text
