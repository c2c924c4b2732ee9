// A multi-byte ANSI code page for the simulated desktop: UTF-8 (code page 65001) as the system converts
// it, so that tests can run the program as on a system whose code page is not one byte per character.
#pragma once
#include "text/ansi_code_page.h"

namespace wardo::platform::sim {

// Each invalid byte decodes to U+FFFD; an unpaired surrogate encodes as U+FFFD (EF BF BD).
const text::AnsiCodePage& utf8CodePage();

// Installs a code page for its lifetime, then brings back the one installed before.
class UsingCodePage {
public:
    explicit UsingCodePage(const text::AnsiCodePage& codePage) : before_(&text::ansiCodePage()) {
        text::useAnsiCodePage(&codePage);
    }
    ~UsingCodePage() { text::useAnsiCodePage(before_); }
    UsingCodePage(const UsingCodePage&) = delete;
    UsingCodePage& operator=(const UsingCodePage&) = delete;

private:
    const text::AnsiCodePage* before_;
};

}  // namespace wardo::platform::sim
