// What the end-to-end tests and the test-only probe program agree on.
#pragma once
#include <windows.h>

#include <string>

namespace wardo::e2e {

constexpr wchar_t kProbeClass[] = L"WardoPanelProbe";
constexpr UINT kShowBox = WM_APP + 7;

inline std::wstring probeTitle(DWORD process) {
    return L"wardo-probe " + std::to_wstring(process);
}

}  // namespace wardo::e2e
