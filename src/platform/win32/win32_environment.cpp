#include "platform/win32/win32_environment.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

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

void Win32Environment::openWebPage(const std::wstring& url) {
    ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace wardo::platform::win32
