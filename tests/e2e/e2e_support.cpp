#include "e2e_support.h"

#include <winternl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

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

std::wstring settingsFolder(const std::wstring& name, const std::string& ini) {
    const std::wstring appData = freshFolder(name);
    CreateDirectoryW((appData + L"\\Wardo").c_str(), nullptr);
    if (!ini.empty()) std::ofstream(std::filesystem::path(configFolder(appData) + L"wardo.ini")) << ini;
    return appData;
}

std::wstring configFolder(const std::wstring& appData) {
    return appData + L"\\Wardo\\";
}

std::wstring widePath(const char* path) {
    return std::wstring(path, path + std::strlen(path));
}

std::string fileText(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
    if (running()) TerminateProcess(process_.get(), 9);
    // Gone with its windows before the next test looks for windows of its own.
    if (process_) WaitForSingleObject(process_.get(), 10000);
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

double processorMs(DWORD process) {
    using Query = NTSTATUS(WINAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) return -1;
    std::vector<char> list(1 << 20);
    ULONG needed = 0;
    constexpr NTSTATUS kTooSmall = static_cast<NTSTATUS>(0xC0000004L);
    NTSTATUS status;
    while ((status = query(SystemProcessInformation, list.data(), static_cast<ULONG>(list.size()),
                           &needed)) == kTooSmall)
        list.resize(list.size() * 2);
    if (status != 0) return -1;
    for (std::size_t at = 0;;) {
        const auto* p = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(list.data() + at);
        if (static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(p->UniqueProcessId)) == process)
            return static_cast<double>(p->UserTime.QuadPart + p->KernelTime.QuadPart) / 1e4;
        if (p->NextEntryOffset == 0) return -1;
        at += p->NextEntryOffset;
    }
}

double processorShare(DWORD process, unsigned ms, const char* what) {
    const double cpu0 = processorMs(process);
    const ULONGLONG t0 = GetTickCount64();
    pumpFor(ms);
    const double wall = static_cast<double>(GetTickCount64() - t0), cpu = processorMs(process) - cpu0;
    if (cpu0 < 0 || cpu < 0) return -1;
    const double share = 100.0 * cpu / wall;
    std::printf("%s: %.0f ms of processor time in %.0f ms (%.2f%% of one core)\n", what, cpu, wall, share);
    return share;
}

int secondsAsked(const char* variable, int byDefault) {
    const char* asked = std::getenv(variable);
    const int n = asked != nullptr ? std::atoi(asked) : 0;
    return n > 0 && n <= 600 ? n : byDefault;
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
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)), QS_ALLINPUT);
    }
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

std::wstring classOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

bool isClass(HWND w, const wchar_t* className) {
    return lstrcmpiW(classOf(w).c_str(), className) == 0;
}

struct Collect {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectOfClass(HWND w, LPARAM p) {
    auto* c = reinterpret_cast<Collect*>(p);
    if (isClass(w, c->className)) c->found.push_back(w);
    return TRUE;
}

}  // namespace

HWND waitForWindowText(DWORD process, const std::wstring& text, unsigned timeoutMs) {
    HWND found = nullptr;
    waitFor(
        [&] {
            Search s{text, process};
            EnumWindows(findInTopLevel, reinterpret_cast<LPARAM>(&s));
            found = s.found;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool activeInItsThread(HWND window) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui) && gui.hwndActive == window;
}

bool topmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HWND waitForBox(DWORD process, const std::wstring& title, unsigned timeoutMs) {
    HWND box = nullptr;
    const bool shown = waitFor(
        [&] {
            box = nullptr;
            for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", title.c_str()); w != nullptr;
                 w = FindWindowExW(nullptr, w, L"#32770", title.c_str())) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process && IsWindowVisible(w) && activeInItsThread(w)) box = w;
            }
            return box != nullptr;
        },
        timeoutMs);
    return shown ? box : nullptr;
}

HWND waitForControlText(HWND top, const std::wstring& text, unsigned timeoutMs) {
    HWND found = nullptr;
    waitFor(
        [&] {
            Search s{text};
            EnumChildWindows(top, findChild, reinterpret_cast<LPARAM>(&s));
            found = s.found;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::vector<HWND> controlsOfClass(HWND top, const wchar_t* className) {
    Collect c{className, {}};
    EnumChildWindows(top, collectOfClass, reinterpret_cast<LPARAM>(&c));
    std::sort(c.found.begin(), c.found.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return c.found;
}

HWND waitForControl(HWND top, const wchar_t* className, const std::function<bool(HWND)>& match,
                    unsigned timeoutMs) {
    HWND found = nullptr;
    waitFor(
        [&] {
            for (HWND w : controlsOfClass(top, className))
                if (match(w)) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

HWND waitForListAt(HWND panel, POINT twips, unsigned timeoutMs) {
    HWND list = nullptr;
    const bool shown = waitFor(
        [&] {
            list = childAt(panel, pixels(twips.x) + 5, pixels(twips.y) + 5);
            return isClass(list, L"ListBox");
        },
        timeoutMs);
    return shown ? list : nullptr;
}

HWND listHolding(HWND top, const std::wstring& item) {
    for (HWND l : controlsOfClass(top, L"ListBox"))
        if (SendMessageW(l, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(item.c_str())) >= 0)
            return l;
    return nullptr;
}

std::wstring controlText(HWND control) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

int twipsPerPixel() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return 1440 / dpi;
}

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel()));
}

POINT placeInWindow(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    POINT p{r.left, r.top};
    ScreenToClient(GetAncestor(control, GA_ROOT), &p);
    return p;
}

HWND childAt(HWND parent, int x, int y) {
    return ChildWindowFromPointEx(parent, POINT{x, y}, CWP_SKIPINVISIBLE);
}

COLORREF screenPixel(HWND window, POINT inClient) {
    ClientToScreen(window, &inClient);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, inClient.x, inClient.y);
    ReleaseDC(nullptr, screen);
    return c;
}

void click(HWND control, int x, int y) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void doubleClick(HWND control, int x, int y) {
    click(control, x, y);
    PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void press(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void type(HWND box, const std::wstring& text) {
    for (const wchar_t c : text) SendMessageW(box, WM_CHAR, c, 1);
}

void typeOver(HWND box, const std::wstring& text) {
    SendMessageW(box, EM_SETSEL, 0, -1);
    type(box, text);
}

bool pick(HWND list, const std::wstring& item, bool open) {
    const bool combo = isClass(list, L"ComboBox");
    const LRESULT at = SendMessageW(list, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
    if (at < 0) return false;
    SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    auto notify = [list](WORD code) {
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), code),
                     reinterpret_cast<LPARAM>(list));
    };
    notify(combo ? CBN_SELCHANGE : LBN_SELCHANGE);
    if (open) notify(LBN_DBLCLK);
    return true;
}

void clickItem(HWND list, int index) {
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    click(list, 5, height * index + height / 2);
}

bool pickInMenu(HWND top, HWND button, const std::wstring& item) {
    click(button);
    HWND menu = nullptr;
    LRESULT at = LB_ERR;
    const bool shown = waitFor(
        [&] {
            for (HWND l : controlsOfClass(top, L"ListBox")) {
                at = SendMessageW(l, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(item.c_str()));
                if (at >= 0 && IsWindowVisible(l)) {
                    menu = l;
                    return true;
                }
            }
            return false;
        },
        5000);
    if (shown) clickItem(menu, static_cast<int>(at));
    return shown;
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

void dragMouse(POINT from, POINT to, const std::function<void()>& midway) {
    moveMouse(from);
    pumpFor(100);  // the window under the mouse sets its pointer as the mouse comes over it
    leftButton(true);
    moveMouse({(from.x + to.x) / 2, (from.y + to.y) / 2});
    if (midway) midway();
    moveMouse(to);
    pumpFor(400);
    leftButton(false);
}

POINT centreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

HWND chatPanel(HWND roomWindow) {
    platform::win32::Win32WindowSystem ws;
    platform::WindowHandle w = platform::win32::fromHwnd(roomWindow);
    for (const char step : std::string("CNNNNCNCCCC")) w = step == 'C' ? ws.firstChild(w) : ws.nextSibling(w);
    return platform::win32::toHwnd(w);
}

POINT dropPoint(HWND roomWindow) {
    RECT strip{};
    GetWindowRect(chatPanel(roomWindow), &strip);
    return {strip.left + 40, strip.top + 12};
}

std::string roomText(HWND roomWindow) {
    platform::win32::Win32WindowSystem ws;
    platform::WindowHandle w = platform::win32::fromHwnd(chatPanel(roomWindow));
    for (w = ws.firstChild(w); w != 0; w = ws.nextSibling(w))
        if (ws.classNameA(w, 255) == "RichEdit20W") return ws.getText(w, ws.getTextLength(w) + 1);
    return {};
}

bool waitForRoomText(HWND roomWindow, const std::string& what, unsigned timeoutMs) {
    return waitFor([&] { return roomText(roomWindow).find(what) != std::string::npos; }, timeoutMs);
}

Mic roomMic(HWND roomWindow) {
    std::vector<HWND> buttons;
    for (HWND c = GetWindow(chatPanel(roomWindow), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (isClass(c, L"Button")) buttons.push_back(c);
    if (buttons.size() < 9) return Mic::Other;
    const bool talk = IsWindowEnabled(buttons[7]) != FALSE, second = IsWindowEnabled(buttons[8]) != FALSE;
    return talk && second ? Mic::Free : talk ? Mic::User : Mic::Other;
}

}  // namespace wardo::e2e
