#include "tools/room/win32/room_window.h"

#include <richedit.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/window_text.h"
#include "tools/room/win32/room_protocol.h"
#include "tools/room/win32/room_windows.h"

namespace wardo::room {
namespace {

constexpr wchar_t kPaneClass[] = L"WardoRoomPane";
constexpr wchar_t kPanelClass[] = L"WardoRoomChat";
constexpr UINT kContinueFeed = WM_APP + 10;
constexpr UINT_PTR kSlowPressTimer = 1;
constexpr int kFirstButtonId = 100;
constexpr int kWidth = 820;
constexpr int kHeight = 600;
constexpr int kBarHeight = 22;
constexpr int kPanelTitleHeight = 30;

const wchar_t* const kButtonCaptions[] = {L"Envoyer", L"Smileys",      L"Couleur",
                                          L"Gras",    L"Italique",     L"Son",
                                          L"Webcam",  L"Mains libres", L"Touche micro"};

RoomWindow* owner(HWND hwnd, UINT msg, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<RoomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return self;
    }
    return reinterpret_cast<RoomWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The room opens at the bottom left of the work area. The robot keeps its own windows above all others,
// at the top left of the screen or in its middle, and the room's lines begin at the left of the pane,
// the first ones at its top: a room opened at the top left had them all under the robot's panel.
POINT roomPlace(int height) {
    constexpr int kMargin = 20;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return POINT{work.left + kMargin, std::max(work.top + kMargin, work.bottom - height - kMargin)};
}

Text localHourMinute() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    wchar_t buffer[8];
    wsprintfW(buffer, L"%02u:%02u", t.wHour, t.wMinute);
    return buffer;
}

}  // namespace

RoomWindow::RoomWindow(RoomModel& model, const RoomOptions& options) : model_(model), title_(options.title) {
    // riched20 registers "RichEdit20W", the class the chat client's text pane has.
    richEdit_.reset(LoadLibraryW(L"riched20.dll"));
    if (!richEdit_) throw std::runtime_error("room: riched20.dll is missing");
    registerWindowClass(options.browserClass.c_str(), &frameProc);
    registerWindowClass(kPaneClass, &DefWindowProcW);
    registerWindowClass(kPanelClass, &panelProc);
    buildTree(options);
    model_.clock = localHourMinute;
    model_.nowMs = [] { return static_cast<std::int64_t>(GetTickCount64()); };
    model_.onChange = [this] { refresh(); };
    refresh();
}

void RoomWindow::buildTree(const RoomOptions& options) {
    const DWORD frameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT outer{0, 0, kWidth, kHeight};
    AdjustWindowRectEx(&outer, frameStyle, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const POINT place = roomPlace(height);
    frame_.reset(CreateWindowExW(0, options.browserClass.c_str(), options.title.c_str(), frameStyle, place.x,
                                 place.y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this));
    if (!frame_) throw std::runtime_error("room: cannot create the browser window");

    // The browser's bars, then the page: the 5th child.
    const wchar_t* const bars[] = {L"Précédente  Suivante  Actualiser", L"Adresse : salon de discussion",
                                   L"Favoris", L"Onglet : "};
    int y = 0;
    for (const wchar_t* bar : bars) {
        const Text caption = bar == bars[3] ? bar + options.title : Text(bar);
        createChild(frame_.get(), L"Static", caption.c_str(), SS_LEFT,
                    RECT{4, y, kWidth - 4, y + kBarHeight});
        y += kBarHeight;
    }
    const int pageHeight = kHeight - y;
    HWND page = createChild(frame_.get(), kPaneClass, L"", WS_CLIPCHILDREN, RECT{0, y, kWidth, kHeight});
    createChild(page, L"Static", L"Page du salon", SS_LEFT, RECT{4, 0, kWidth - 4, kBarHeight});
    // Four nested frames of the page, the chat panel in the innermost.
    HWND host = createChild(page, kPaneClass, L"", WS_CLIPCHILDREN, RECT{0, kBarHeight, kWidth, pageHeight});
    const RECT fill{0, 0, kWidth, pageHeight - kBarHeight};
    for (int level = 0; level < 3; ++level) host = createChild(host, kPaneClass, L"", WS_CLIPCHILDREN, fill);
    panel_ = createChild(host, kPanelClass, L"", WS_CLIPCHILDREN, fill, 0, this);

    const int w = fill.right;
    const int h = fill.bottom;
    const int buttonsTop = h - 34;
    const int inputTop = buttonsTop - 30;
    textPane_ = createChild(panel_, L"RichEdit20W", L"",
                            WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                            RECT{6, kPanelTitleHeight, w - 6, inputTop - 6});
    SendMessageW(textPane_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    inputLine_ = createChild(panel_, L"Edit", L"", WS_BORDER | ES_AUTOHSCROLL,
                             RECT{6, inputTop, w - 6, inputTop + 24});
    const int n = options.buttons;
    const int bw = (w - 12) / n;
    for (int i = 0; i < n; ++i) {
        const wchar_t* caption = i < 9 ? kButtonCaptions[i] : L"...";
        buttons_.push_back(createChild(panel_, L"Button", caption, BS_PUSHBUTTON,
                                       RECT{6 + i * bw, buttonsTop, 4 + (i + 1) * bw, buttonsTop + 28},
                                       kFirstButtonId + i));
    }
    feed_ = std::make_unique<RichTextFeed>(textPane_, frame_.get(), kContinueFeed);
    ShowWindow(frame_.get(), SW_SHOW);
    UpdateWindow(frame_.get());
}

void RoomWindow::refresh() {
    feed_->sync(model_.text());
    if (buttons_.size() >= 8) EnableWindow(buttons_[7], model_.micButtonEnabled());
    if (buttons_.size() >= 9) EnableWindow(buttons_[8], model_.mic2ButtonEnabled());
}

CommandOutcome RoomWindow::run(const Text& command) {
    CommandOutcome out = runRoomCommand(model_, command);
    if (out.cleared) {
        feed_->reset();
        refresh();
    }
    if (out.inputLine) SetWindowTextW(inputLine_, out.inputLine->c_str());
    if (out.query) out.answer = static_cast<std::intptr_t>(feed_->pending());
    if (out.quit) PostMessageW(frame_.get(), WM_CLOSE, 0, 0);
    return out;
}

void RoomWindow::onButton(std::size_t index) {
    if (index == 0) {
        model_.setInput(platform::win32::windowText(inputLine_));
        model_.pressSend();
        SetWindowTextW(inputLine_, model_.input().c_str());
    } else if (index == 7 || index == 8) {
        model_.pressMic();
        armSlowPress();
    }
}

// A press that the slow server has not answered yet: look again when the oldest one is due.
void RoomWindow::armSlowPress() {
    const auto due = model_.nextPressDueMs();
    if (!due) {
        KillTimer(frame_.get(), kSlowPressTimer);
        return;
    }
    const std::int64_t wait = *due - model_.nowMs();
    SetTimer(frame_.get(), kSlowPressTimer, static_cast<UINT>(wait > 1 ? wait : 1), nullptr);
}

LRESULT RoomWindow::onCopyData(const COPYDATASTRUCT& data) {
    if (data.dwData != kRoomCommandTag || data.lpData == nullptr || data.cbData % sizeof(wchar_t) != 0)
        return kRoomRefused;
    const Text command(static_cast<const wchar_t*>(data.lpData), data.cbData / sizeof(wchar_t));
    return run(command).answer;
}

void RoomWindow::paintPanel(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT strip;
    GetClientRect(hwnd, &strip);
    strip.left += 8;
    strip.bottom = kPanelTitleHeight;
    const Text caption = L"Salon : " + title_ + L"   (vous êtes " + model_.nick() + L")";
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption.c_str(), -1, &strip, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK RoomWindow::frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    RoomWindow* self = owner(hwnd, msg, lp);
    if (self != nullptr) {
        switch (msg) {
            case WM_COPYDATA:
                return self->onCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lp));
            case kContinueFeed:
                if (self->feed_) self->feed_->continueFeeding();
                return 0;
            case WM_TIMER:
                if (wp != kSlowPressTimer) break;
                self->model_.settle();
                self->armSlowPress();
                return 0;
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
            case WM_NCDESTROY:
                self->frame_.release();
                break;
            default:
                break;
        }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK RoomWindow::panelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    RoomWindow* self = owner(hwnd, msg, lp);
    if (self != nullptr) {
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
            const int id = LOWORD(wp);
            if (id >= kFirstButtonId && id < kFirstButtonId + static_cast<int>(self->buttons_.size()))
                self->onButton(static_cast<std::size_t>(id - kFirstButtonId));
            return 0;
        }
        if (msg == WM_PAINT) {
            self->paintPanel(hwnd);
            return 0;
        }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace wardo::room
