#include "platform/win32/win32_environment.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/win32/win32_handle.h"
#include "text/text.h"

namespace wardo::platform::win32 {

std::optional<std::wstring> Win32Environment::variable(const std::wstring& name) {
    const std::wstring key = name.substr(0, name.find(L'\0'));
    std::wstring value(256, L'\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD got =
            GetEnvironmentVariableW(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (got == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::wstring();
        }
        if (got < value.size()) {
            value.resize(got);
            return value;
        }
        value.resize(got);  // too small: `got` is the size needed, terminator included
    }
}

// No verb (the default action) and the working folder "C:", as the program has always asked the shell.
void Win32Environment::openWebPage(WindowHandle parent, const std::wstring& url) {
    ShellExecuteA(toHwnd(parent), nullptr, text::toAnsi(url).c_str(), nullptr, "C:", SW_SHOWNORMAL);
}

}  // namespace wardo::platform::win32
