// The program as wardo.exe runs it, plus one test-only window for the end-to-end tests (this program is
// never shipped): the hidden window "wardo-probe <process id>", on kShowBox, shows the panel's placed
// two-button box titled "Question <process id>", then activates a fresh window of its own and writes in
// its title the answer and whether that window was moved ("answer=6 moved=0").
#include "panel_probe.h"

#include <windows.h>

#include <string>

#include "app/program.h"
#include "panel/reglages.h"
#include "ui/win32/real_desktop.h"

namespace {

wardo::app::Program* program = nullptr;

// A placement hook left installed would move this window to the last box's place.
bool freshWindowMoved() {
    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 30, 50, 50, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(w);
    RECT r{};
    GetWindowRect(w, &r);
    DestroyWindow(w);
    return r.left != 40 || r.top != 30;
}

LRESULT CALLBACK probeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != wardo::e2e::kShowBox || program == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
    const std::wstring title = L"Question " + std::to_wstring(GetCurrentProcessId());
    const int answer = program->reglages().AfficheMSGBox2(L"Sûr ?", 36, title);
    const bool moved = freshWindowMoved();
    const std::wstring report = L"answer=" + std::to_wstring(answer) + L" moved=" + (moved ? L"1" : L"0");
    SetWindowTextW(hwnd, report.c_str());
    return 0;
}

}  // namespace

int main() {
    auto desktop = wardo::ui::win32::openRealDesktop();
    wardo::app::Program p(desktop->platform(), desktop->host());
    program = &p;
    WNDCLASSW wc{};
    wc.lpfnWndProc = probeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = wardo::e2e::kProbeClass;
    RegisterClassW(&wc);
    const std::wstring title = wardo::e2e::probeTitle(GetCurrentProcessId());
    HWND probe = CreateWindowExW(0, wardo::e2e::kProbeClass, title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    const int code = p.run();
    DestroyWindow(probe);
    program = nullptr;
    return code;
}
