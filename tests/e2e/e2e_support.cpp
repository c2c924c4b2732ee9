#include "e2e_support.h"

#include <cstring>

#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_window_system.h"
#include "tools/room/win32/room_client.h"

namespace wardo::e2e {

std::wstring freshFolder(const std::wstring& name) {
    static int counter = 0;
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"wardo-" + name + L"-" +
                                std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

ProgramProcess::ProgramProcess(const std::wstring& exePath, const std::wstring& appData) {
    // The child inherits this process's environment, with its own settings folder.
    std::wstring saved(32767, L'\0');
    const DWORD n = GetEnvironmentVariableW(L"APPDATA", saved.data(), static_cast<DWORD>(saved.size()));
    saved.resize(n);
    SetEnvironmentVariableW(L"APPDATA", appData.c_str());
    std::wstring commandLine = L"\"" + room::windowsPathOf(exePath) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const BOOL ok =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(L"APPDATA", n > 0 ? saved.c_str() : nullptr);
    if (!ok) return;
    process_.reset(pi.hProcess);
    platform::win32::ScopedKernelHandle thread(pi.hThread);
    WaitForInputIdle(process_.get(), 10000);
}

ProgramProcess::~ProgramProcess() {
    if (running()) {
        TerminateProcess(process_.get(), 9);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ProgramProcess::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramProcess::waitExit(unsigned timeoutMs) {
    if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND chatPanel(HWND roomWindow) {
    platform::win32::Win32WindowSystem ws;
    platform::WindowHandle w = platform::win32::fromHwnd(roomWindow);
    for (const char step : std::string("CNNNNCNCCCC")) w = step == 'C' ? ws.firstChild(w) : ws.nextSibling(w);
    return platform::win32::toHwnd(w);
}

std::string roomText(HWND roomWindow) {
    platform::win32::Win32WindowSystem ws;
    platform::WindowHandle w = platform::win32::fromHwnd(chatPanel(roomWindow));
    for (w = ws.firstChild(w); w != 0; w = ws.nextSibling(w))
        if (ws.classNameA(w, 255) == "RichEdit20W") return ws.getText(w, ws.getTextLength(w) + 1);
    return {};
}

void pumpFor(unsigned ms) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
}

bool waitFor(const std::function<bool()>& done, unsigned timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline) return false;
        pumpFor(20);
    }
    return true;
}

bool waitForRoomText(HWND roomWindow, const std::string& what, unsigned timeoutMs) {
    return waitFor([&] { return roomText(roomWindow).find(what) != std::string::npos; }, timeoutMs);
}

namespace {

void sendMouse(LONG dx, LONG dy, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

}  // namespace

void moveMouse(POINT screen) {
    // Absolute moves count in 65536ths of the primary screen.
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    sendMouse(MulDiv(screen.x, 65535, w - 1), MulDiv(screen.y, 65535, h - 1),
              MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    waitFor(
        [&] {
            POINT at{};
            return !GetCursorPos(&at) || (at.x == screen.x && at.y == screen.y);
        },
        2000);
}

void leftButton(bool down) {
    sendMouse(0, 0, down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}

std::wstring widePath(const char* path) {
    return std::wstring(path, path + std::strlen(path));
}

namespace {

struct Search {
    std::wstring text;
    DWORD process = 0;
    HWND found = nullptr;
};

BOOL CALLBACK findChild(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    if (windowText(w) != s->text) return TRUE;
    s->found = w;
    return FALSE;
}

BOOL CALLBACK findInTopLevel(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->process) return TRUE;
    if (windowText(w) == s->text) s->found = w;
    if (!s->found) EnumChildWindows(w, findChild, p);
    return s->found ? FALSE : TRUE;
}

}  // namespace

HWND waitForWindowText(DWORD process, const std::wstring& text, unsigned timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        Search s{text, process};
        EnumWindows(findInTopLevel, reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    } while (GetTickCount64() < end);
    return nullptr;
}

POINT placeInWindow(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    POINT p{r.left, r.top};
    ScreenToClient(GetAncestor(control, GA_ROOT), &p);
    return p;
}

}  // namespace wardo::e2e
