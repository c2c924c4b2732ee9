// The system's ANSI code page (CP_ACP) through the system's own conversions, whatever its kind
// (single-byte, double-byte or UTF-8). Win32Platform installs it for text::toAnsi / text::fromAnsi.
#pragma once
#include "text/ansi_code_page.h"

namespace wardo::platform::win32 {

class SystemCodePage final : public text::AnsiCodePage {
public:
    SystemCodePage();  // reads the system's code page once

    std::wstring decode(std::string_view bytes) const override;
    // No best-fit mapping: a character the code page cannot hold becomes the code page's default
    // character ('?'), never a look-alike ("Ā" does not become "A").
    std::string encode(std::wstring_view text) const override;

    unsigned codePage() const { return codePage_; }

private:
    unsigned codePage_;
    unsigned long encodeFlags_;
};

// The one instance of the process.
const SystemCodePage& systemCodePage();

}  // namespace wardo::platform::win32
