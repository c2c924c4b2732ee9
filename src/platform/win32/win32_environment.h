// The process's environment variables, and web pages opened by the shell in the user's browser.
#pragma once
#include "platform/files.h"

namespace wardo::platform::win32 {

class Win32Environment final : public Environment {
public:
    std::optional<std::wstring> variable(const std::wstring& name) override;
    void openWebPage(WindowHandle parent, const std::wstring& url) override;
};

}  // namespace wardo::platform::win32
