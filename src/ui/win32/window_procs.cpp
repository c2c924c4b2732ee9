// Window procedures of the binding: the user's input on forms, frames and controls goes back into
// the objects. Handlers' exceptions never cross the system's dispatcher.
#include <windowsx.h>

#include <stdexcept>

#include "platform/win32/window_text.h"
#include "ui/ui.h"
#include "ui/win32/records.h"
#include "ui/win32/win32_host.h"

namespace wardo::ui::win32 {

namespace {

int shiftState() {
    int s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= mouse::kShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= mouse::kCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= mouse::kAlt;
    return s;
}

int buttonsHeld(WPARAM wp) {
    int b = 0;
    if ((wp & MK_LBUTTON) != 0) b |= mouse::kLeft;
    if ((wp & MK_RBUTTON) != 0) b |= mouse::kRight;
    if ((wp & MK_MBUTTON) != 0) b |= mouse::kMiddle;
    return b;
}

int buttonOf(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return mouse::kLeft;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return mouse::kRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return mouse::kMiddle;
        default:
            return 0;
    }
}

bool isDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
}
bool isUp(UINT msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

HCURSOR standardCursor(int kind) {
    switch (kind) {
        case 2:
            return LoadCursorA(nullptr, IDC_CROSS);
        case 3:
            return LoadCursorA(nullptr, IDC_IBEAM);
        case 5:
            return LoadCursorA(nullptr, IDC_SIZEALL);
        case 6:
            return LoadCursorA(nullptr, IDC_SIZENESW);
        case 7:
            return LoadCursorA(nullptr, IDC_SIZENS);
        case 8:
            return LoadCursorA(nullptr, IDC_SIZENWSE);
        case 9:
            return LoadCursorA(nullptr, IDC_SIZEWE);
        case 10:
            return LoadCursorA(nullptr, IDC_UPARROW);
        case 11:
            return LoadCursorA(nullptr, IDC_WAIT);
        case 12:
            return LoadCursorA(nullptr, IDC_NO);
        case 13:
            return LoadCursorA(nullptr, IDC_APPSTARTING);
        case 14:
            return LoadCursorA(nullptr, IDC_HELP);
        case 15:
            return LoadCursorA(nullptr, IDC_SIZEALL);
        default:
            return LoadCursorA(nullptr, IDC_ARROW);
    }
}

// The form's pointer, when it has one of its own; null for the default.
HCURSOR formCursor(FormRecord& rec) {
    if (rec.form == nullptr) return nullptr;
    const int kind = rec.form->mousePointer();
    if (kind == pointer::kDefault) return nullptr;
    if (kind == pointer::kCustom) return rec.customCursor;
    return standardCursor(kind);
}

Win32Host& hostOf(FormRecord& rec) {
    return *rec.host;
}

// Notifications and drawing requests that children send to their parent (a form or a frame).
bool childMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            ControlRecord* cr = controlRecordOf(reinterpret_cast<HWND>(lp));
            if (cr == nullptr || cr->control == nullptr) return false;
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, colorOf(cr->control->foreColor()));
            SetBkColor(dc, colorOf(cr->control->backColor()));
            result = reinterpret_cast<LRESULT>(brushFor(cr->brush, cr->control->backColor()));
            return true;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            ControlRecord* cr = controlRecordOf(item->hwndItem);
            if (cr == nullptr || cr->control == nullptr) return false;
            drawButton(*item, *cr->control, brushFor(cr->brush, cr->control->backColor()));
            result = TRUE;
            return true;
        }
        case WM_COMMAND: {
            ControlRecord* cr = controlRecordOf(reinterpret_cast<HWND>(lp));
            if (cr == nullptr || cr->control == nullptr || cr->mirroring) return false;
            std::shared_ptr<ControlRecord> keep = cr->shared_from_this();
            Control& c = *cr->control;
            const UINT code = HIWORD(wp);
            switch (c.kind()) {
                case ControlKind::Button:
                    if (code == BN_CLICKED || code == BN_DOUBLECLICKED) c.click();
                    break;
                case ControlKind::CheckBox:
                case ControlKind::OptionButton:
                    if (code == BN_CLICKED) {
                        c.click();
                        // The object is the truth: the box shows its value whatever the handler did.
                        if (keep->control != nullptr) keep->owner->host->controlChanged(c, Property::Value);
                    }
                    break;
                case ControlKind::TextBox:
                    if (code == EN_CHANGE) {
                        if (!c.userSetText(platform::win32::windowText(cr->hwnd)) &&
                            keep->control != nullptr) {
                            // Refused (read-only, unreachable): the box shows the object's text again.
                            keep->owner->host->controlChanged(c, Property::Caption);
                        }
                    }
                    break;
                case ControlKind::ListBox:
                    if (code == LBN_SELCHANGE) {
                        static_cast<ListControl&>(c).userSelect(
                            static_cast<int>(SendMessageW(cr->hwnd, LB_GETCURSEL, 0, 0)));
                    } else if (code == LBN_DBLCLK) {
                        c.dblClick();
                    }
                    break;
                case ControlKind::ComboBox:
                    if (code == CBN_SELCHANGE) {
                        static_cast<ListControl&>(c).userSelect(
                            static_cast<int>(SendMessageW(cr->hwnd, CB_GETCURSEL, 0, 0)));
                    }
                    break;
                default:
                    break;
            }
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

ControlRecord* controlRecordOf(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    return static_cast<ControlRecord*>(GetPropW(hwnd, kControlProp));
}

void registerClasses() {
    static const bool done = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = nullptr;  // chosen at WM_SETCURSOR
        wc.lpfnWndProc = formProc;
        wc.lpszClassName = kFormClass;
        if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
        wc.lpfnWndProc = frameProc;
        wc.lpszClassName = kFrameClass;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!done) throw std::runtime_error("cannot register the form window classes");
}

LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    auto* rec = reinterpret_cast<FormRecord*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (rec == nullptr || rec->form == nullptr) {
        if (msg == WM_CLOSE) return 0;  // a window whose form is gone is closed by the binding only
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    std::shared_ptr<FormRecord> keep = rec->shared_from_this();
    try {
        LRESULT result = 0;
        if (childMessage(msg, wp, lp, result)) return result;
        Form& form = *rec->form;
        Win32Host& host = hostOf(*rec);
        switch (msg) {
            case WM_ACTIVATE:
                if (LOWORD(wp) != WA_INACTIVE) host.activatedByUser(*rec);
                break;
            case WM_CLOSE:
                form.userClose();  // an unload that goes through destroys the window
                return 0;
            case WM_ERASEBKGND: {
                RECT r;
                GetClientRect(hwnd, &r);
                FillRect(reinterpret_cast<HDC>(wp), &r, brushFor(rec->brush, form.backColor()));
                return 1;
            }
            case WM_SETCURSOR:
                // Children ask their parent first: the form's own pointer covers them; without one,
                // each child keeps its usual pointer (the text cursor over a text box).
                if (LOWORD(lp) == HTCLIENT) {
                    if (HCURSOR c = formCursor(*rec); c != nullptr) {
                        SetCursor(c);
                        return TRUE;
                    }
                    if (reinterpret_cast<HWND>(wp) == hwnd) {
                        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
                        return TRUE;
                    }
                }
                break;
            case WM_WINDOWPOSCHANGED:
                if (!rec->mirroring) {
                    if (IsIconic(hwnd)) {
                        form.userSetWindowState(WindowState::Minimized);
                    } else {
                        form.userSetWindowState(IsZoomed(hwnd) ? WindowState::Maximized
                                                               : WindowState::Normal);
                        RECT r;
                        GetWindowRect(hwnd, &r);
                        form.userMoved(host.toTwipsX(r.left), host.toTwipsY(r.top),
                                       host.toTwipsX(r.right - r.left), host.toTwipsY(r.bottom - r.top));
                    }
                }
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP:
            case WM_MOUSEMOVE: {
                const int x = host.toTwipsX(GET_X_LPARAM(lp));
                const int y = host.toTwipsY(GET_Y_LPARAM(lp));
                if (isDown(msg)) {
                    SetCapture(hwnd);
                    rec->pressed = true;
                    form.mouseDown(buttonOf(msg), shiftState(), x, y);
                } else if (isUp(msg)) {
                    if (rec->pressed && GetCapture() == hwnd) ReleaseCapture();
                    rec->pressed = false;
                    form.mouseUp(buttonOf(msg), shiftState(), x, y);
                } else {
                    form.mouseMove(buttonsHeld(wp), shiftState(), x, y);
                }
                return 0;
            }
            default:
                break;
        }
    } catch (...) {
        keep->host->reportFailure(std::current_exception());
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ControlRecord* cr = controlRecordOf(hwnd);
    if (cr == nullptr || cr->control == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
    std::shared_ptr<ControlRecord> keep = cr->shared_from_this();
    try {
        LRESULT result = 0;
        if (childMessage(msg, wp, lp, result)) return result;
        if (msg == WM_PAINT) {
            paintFrame(hwnd, *cr->control, brushFor(cr->brush, cr->control->backColor()));
            return 0;
        }
        if (msg == WM_ERASEBKGND) return 1;
        if (msg == WM_SETTEXT) {
            const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
            InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
    } catch (...) {
        keep->owner->host->reportFailure(std::current_exception());
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ControlRecord* cr = controlRecordOf(hwnd);
    if (cr == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
    std::shared_ptr<ControlRecord> keep = cr->shared_from_this();
    const WNDPROC previous = cr->previousProc;
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kControlProp);
        return CallWindowProcW(previous, hwnd, msg, wp, lp);
    }
    if (cr->control == nullptr || cr->owner == nullptr || cr->owner->host == nullptr) {
        return CallWindowProcW(previous, hwnd, msg, wp, lp);
    }
    try {
        Control& c = *cr->control;
        Win32Host& host = *cr->owner->host;
        const bool staticKind = c.kind() == ControlKind::Label || c.kind() == ControlKind::Picture;
        switch (msg) {
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP:
            case WM_MOUSEMOVE:
            case WM_LBUTTONDBLCLK: {
                const int x = host.toTwipsX(GET_X_LPARAM(lp));
                const int y = host.toTwipsY(GET_Y_LPARAM(lp));
                if (msg == WM_LBUTTONDBLCLK) {
                    if (!staticKind) {
                        // A text box has its double click too; the edit then selects its word as usual.
                        if (c.kind() == ControlKind::TextBox) c.dblClick();
                        break;
                    }
                    // The classic order: MouseDown, MouseUp, Click, then DblClick and MouseUp.
                    keep->doubleClicked = true;
                    SetCapture(hwnd);
                    keep->pressed = true;
                    c.dblClick();
                    return 0;
                }
                if (isDown(msg)) {
                    if (staticKind) {
                        SetCapture(hwnd);
                        keep->pressed = true;
                    }
                    c.mouseDown(buttonOf(msg), shiftState(), x, y);
                    if (staticKind) return 0;
                } else if (isUp(msg)) {
                    const bool wasPressed = keep->pressed;
                    if (staticKind && wasPressed && GetCapture() == hwnd) ReleaseCapture();
                    keep->pressed = false;
                    c.mouseUp(buttonOf(msg), shiftState(), x, y);
                    if (staticKind) {
                        RECT r;
                        GetClientRect(hwnd, &r);
                        const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                        if (keep->control != nullptr && msg == WM_LBUTTONUP && wasPressed &&
                            !keep->doubleClicked && PtInRect(&r, pt)) {
                            keep->control->click();
                        }
                        keep->doubleClicked = false;
                        return 0;
                    }
                    // A text box clicks when the left button comes up over it, as the classic one does.
                    if (c.kind() == ControlKind::TextBox && msg == WM_LBUTTONUP && keep->control != nullptr) {
                        RECT r;
                        GetClientRect(hwnd, &r);
                        if (PtInRect(&r, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) keep->control->click();
                    }
                } else {
                    c.mouseMove(buttonsHeld(wp), shiftState(), x, y);
                }
                break;
            }
            case WM_CHAR: {
                const int key = c.keyPress(static_cast<int>(wp));
                if (key == 0) return 0;
                wp = static_cast<WPARAM>(key);
                break;
            }
            case WM_SETFOCUS:
                c.focusEntered();
                break;
            case WM_SETCURSOR:
                if (HCURSOR fc = formCursor(*cr->owner); fc != nullptr && LOWORD(lp) == HTCLIENT) {
                    SetCursor(fc);
                    return TRUE;
                }
                break;
            default:
                break;
        }
    } catch (...) {
        if (keep->owner != nullptr && keep->owner->host != nullptr) {
            keep->owner->host->reportFailure(std::current_exception());
        }
        return 0;
    }
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

}  // namespace wardo::ui::win32
