// Win32 binding: windows created on demand, property changes mirrored to them.
#include "ui/win32/win32_host.h"

#include <commctrl.h>

#include <cmath>
#include <stdexcept>

#include "platform/win32/win32_handle.h"
#include "ui/ui.h"
#include "ui/win32/records.h"

namespace wardo::ui::win32 {

namespace {

// Extra pixels below a drop-down list's edit part, for its list.
constexpr int kDropDownPixels = 160;

DWORD formStyle(BorderStyle b) {
    switch (b) {
        case BorderStyle::None:
            return WS_POPUP | WS_CLIPCHILDREN;
        case BorderStyle::FixedSingle:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        case BorderStyle::Sizable:
            return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        case BorderStyle::FixedDialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD formExStyle(BorderStyle b) {
    return b == BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
}

DWORD alignStyle(const Control& c) {
    const bool edit = c.kind() == ControlKind::TextBox;
    switch (c.alignment()) {
        case Alignment::Left:
            return edit ? ES_LEFT : SS_LEFT;
        case Alignment::Right:
            return edit ? ES_RIGHT : SS_RIGHT;
        case Alignment::Center:
            return edit ? ES_CENTER : SS_CENTER;
    }
    return 0;
}

struct ChildClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ChildClass childClass(Control& c) {
    const DWORD common = WS_CHILD | WS_CLIPSIBLINGS;
    switch (c.kind()) {
        case ControlKind::Label:
            return {L"STATIC", common | SS_NOTIFY | alignStyle(c), 0};
        case ControlKind::Button:
            return {L"BUTTON", common | WS_TABSTOP | BS_OWNERDRAW, 0};
        case ControlKind::CheckBox:
            return {L"BUTTON", common | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::OptionButton:
            return {L"BUTTON", common | WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
        case ControlKind::TextBox: {
            auto& t = static_cast<TextBox&>(c);
            DWORD s = common | WS_TABSTOP | alignStyle(c);
            s |= t.multiLine() ? (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN) : ES_AUTOHSCROLL;
            if (t.passwordChar() != 0 && !t.multiLine()) s |= ES_PASSWORD;
            if (t.locked()) s |= ES_READONLY;
            return {L"EDIT", s, WS_EX_CLIENTEDGE};
        }
        case ControlKind::Frame:
            return {kFrameClass, common | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case ControlKind::Picture: {
            DWORD s = common | SS_NOTIFY | SS_BITMAP;
            if (static_cast<Picture&>(c).stretch()) s |= SS_REALSIZECONTROL;
            return {L"STATIC", s, 0};
        }
        case ControlKind::ListBox:
            return {L"LISTBOX", common | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox:
            return {L"COMBOBOX", common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ControlKind::Timer:
            break;
    }
    return {nullptr, 0, 0};
}

void removeTool(FormRecord& rec, HWND h) {
    if (rec.tooltip == nullptr) return;
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = rec.hwnd;
    ti.uId = reinterpret_cast<UINT_PTR>(h);
    SendMessageW(rec.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void setWindowTextMirrored(ControlRecord& cr, const Text& s) {
    cr.mirroring = true;
    SetWindowTextW(cr.hwnd, s.c_str());
    cr.mirroring = false;
}

void fillList(ControlRecord& cr, ListControl& l) {
    const bool combo = l.kind() == ControlKind::ComboBox;
    cr.mirroring = true;
    const LRESULT top = combo ? 0 : SendMessageW(cr.hwnd, LB_GETTOPINDEX, 0, 0);
    SendMessageW(cr.hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(cr.hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < l.listCount(); ++i) {
        const Text item = l.list(i);
        SendMessageW(cr.hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageW(cr.hwnd, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(l.listIndex()), 0);
    if (!combo) SendMessageW(cr.hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageW(cr.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(cr.hwnd, nullptr, TRUE);
    cr.mirroring = false;
}

void applyEditStyle(ControlRecord& cr, TextBox& t) {
    SendMessageW(cr.hwnd, EM_SETREADONLY, t.locked() ? TRUE : FALSE, 0);
    SendMessageW(cr.hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(t.maxLength()), 0);
    if (!t.multiLine()) SendMessageW(cr.hwnd, EM_SETPASSWORDCHAR, static_cast<WPARAM>(t.passwordChar()), 0);
}

void applyPicture(ControlRecord& cr, Picture& p) {
    HBITMAP bmp = nullptr;
    if (!p.picture().empty()) {
        bmp = static_cast<HBITMAP>(
            LoadImageW(nullptr, p.picture().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    }
    SendMessageW(cr.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp));
    cr.bitmap.reset(bmp);  // after the control let go of the previous one
}

}  // namespace

FormRecord::~FormRecord() {
    if (customCursor != nullptr) DestroyCursor(customCursor);
}

Win32Host::Win32Host(platform::Platform& platform)
    : platform_(platform),
      tppX_(std::max(1, platform.screen.twipsPerPixelX)),
      tppY_(std::max(1, platform.screen.twipsPerPixelY)) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    registerClasses();
}

Win32Host::~Win32Host() {
    while (!forms_.empty()) destroyForm(*forms_.begin()->first);
}

int Win32Host::toPixelsX(int twips) const {
    return static_cast<int>(std::lround(double(twips) / tppX_));
}
int Win32Host::toPixelsY(int twips) const {
    return static_cast<int>(std::lround(double(twips) / tppY_));
}

HWND Win32Host::windowOf(const Form& form) const {
    auto it = forms_.find(&form);
    return it == forms_.end() ? nullptr : it->second->hwnd;
}

HWND Win32Host::windowOf(const Control& control) const {
    auto it = forms_.find(&control.form());
    if (it == forms_.end()) return nullptr;
    auto c = it->second->controls.find(&control);
    return c == it->second->controls.end() ? nullptr : c->second->hwnd;
}

FrameInsets Win32Host::frameInsets(const Form& form) {
    const BorderStyle b = form.borderStyle();
    RECT r{0, 0, 100, 100};
    AdjustWindowRectEx(&r, formStyle(b), FALSE, formExStyle(b));
    return {toTwipsX(r.right - r.left - 100), toTwipsY(r.bottom - r.top - 100)};
}

FormRecord& Win32Host::ensureWindows(Form& form) {
    auto it = forms_.find(&form);
    if (it != forms_.end() && it->second->hwnd != nullptr) return *it->second;

    auto rec = std::make_shared<FormRecord>();
    rec->form = &form;
    rec->host = this;
    forms_[&form] = rec;
    const BorderStyle b = form.borderStyle();
    RECT r{0, 0, toPixelsX(form.clientWidth()), toPixelsY(form.clientHeight())};
    AdjustWindowRectEx(&r, formStyle(b), FALSE, formExStyle(b));
    rec->mirroring = true;
    HWND hwnd = CreateWindowExW(formExStyle(b), kFormClass, form.caption().c_str(), formStyle(b),
                                toPixelsX(form.left()), toPixelsY(form.top()), r.right - r.left,
                                r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), rec.get());
    rec->mirroring = false;
    if (hwnd == nullptr) {
        forms_.erase(&form);
        throw std::runtime_error("cannot create a form window");
    }
    rec->hwnd = hwnd;
    for (Control* c : form.controls()) createControl(*rec, *c);
    if (form.region().set) formChanged(form, Property::Region);
    if (form.mousePointer() != pointer::kDefault || !form.mouseIcon().empty()) {
        formChanged(form, Property::MousePointer);
    }
    return *rec;
}

void Win32Host::createControl(FormRecord& rec, Control& c) {
    if (c.kind() == ControlKind::Timer || rec.controls.count(&c) != 0) return;
    Frame* frame = c.container();
    if (frame != nullptr) createControl(rec, *frame);
    const ChildClass cls = childClass(c);
    HWND parent = frame != nullptr ? rec.controls.at(frame)->hwnd : rec.hwnd;

    auto cr = std::make_shared<ControlRecord>();
    cr->control = &c;
    cr->owner = &rec;
    rec.controls[&c] = cr;
    const bool combo = c.kind() == ControlKind::ComboBox;
    const bool listText = combo || c.kind() == ControlKind::ListBox || c.kind() == ControlKind::Picture;
    cr->mirroring = true;
    cr->hwnd =
        CreateWindowExW(cls.exStyle, cls.name, listText ? L"" : c.caption().c_str(),
                        cls.style | (c.visible() ? WS_VISIBLE : 0), toPixelsX(c.left()), toPixelsY(c.top()),
                        toPixelsX(c.width()), toPixelsY(c.height()) + (combo ? kDropDownPixels : 0), parent,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    cr->mirroring = false;
    if (cr->hwnd == nullptr) {
        rec.controls.erase(&c);
        throw std::runtime_error("cannot create a control window");
    }
    // Controls declared later lie above the earlier ones, as in the classic designer.
    SetWindowPos(cr->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetPropW(cr->hwnd, kControlProp, cr.get());
    cr->previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(cr->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&controlProc)));
    if (!c.enabled()) EnableWindow(cr->hwnd, FALSE);
    for (Property p : {Property::Font, Property::Value, Property::Items, Property::EditStyle,
                       Property::Picture, Property::ToolTip}) {
        controlChanged(c, p);
    }
}

void Win32Host::controlChanged(Control& c, Property what) {
    auto fit = forms_.find(&c.form());
    if (fit == forms_.end() || fit->second->hwnd == nullptr) return;
    FormRecord& rec = *fit->second;
    auto cit = rec.controls.find(&c);
    if (cit == rec.controls.end()) return;
    ControlRecord& cr = *cit->second;
    HWND h = cr.hwnd;
    const bool combo = c.kind() == ControlKind::ComboBox;

    switch (what) {
        case Property::Position:
            MoveWindow(h, toPixelsX(c.left()), toPixelsY(c.top()), toPixelsX(c.width()),
                       toPixelsY(c.height()) + (combo ? kDropDownPixels : 0), TRUE);
            break;
        case Property::Caption:
            if (c.kind() != ControlKind::ListBox && !combo && c.kind() != ControlKind::Picture) {
                setWindowTextMirrored(cr, c.caption());
                InvalidateRect(h, nullptr, TRUE);
            }
            break;
        case Property::Visible:
            ShowWindow(h, c.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Property::Enabled:
            EnableWindow(h, c.enabled() ? TRUE : FALSE);
            break;
        case Property::Colors:
            cr.brush.reset();
            InvalidateRect(h, nullptr, TRUE);
            break;
        case Property::ToolTip: {
            if (c.toolTip().empty() && rec.tooltip == nullptr) break;
            if (rec.tooltip == nullptr) {
                // Owned by no window: Wine places a window that owns a topmost popup just below that
                // popup, which leaves it out of the topmost band, so a form with tool tips could never
                // be put above all windows. The tool tip is topmost on its own and dies with the form.
                rec.tooltip =
                    CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
            }
            removeTool(rec, h);
            TOOLINFOW ti{};
            ti.cbSize = sizeof ti;
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.hwnd = rec.hwnd;
            ti.uId = reinterpret_cast<UINT_PTR>(h);
            if (!c.toolTip().empty()) {
                Text tip = c.toolTip();
                ti.lpszText = tip.data();
                SendMessageW(rec.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
            }
            break;
        }
        case Property::Font:
            cr.font.reset(makeFont(c.font()));
            SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(cr.font.get()), TRUE);
            break;
        case Property::Alignment:
            if (c.kind() == ControlKind::Label) {
                LONG_PTR s = GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
                SetWindowLongPtrW(h, GWL_STYLE, s | alignStyle(c));
                InvalidateRect(h, nullptr, TRUE);
            } else if (c.kind() == ControlKind::TextBox) {
                controlChanged(c, Property::EditStyle);
            }
            break;
        case Property::Value:
            if (c.kind() == ControlKind::CheckBox) {
                SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(static_cast<CheckBox&>(c).value()), 0);
            } else if (c.kind() == ControlKind::OptionButton) {
                SendMessageW(h, BM_SETCHECK,
                             static_cast<OptionButton&>(c).value() ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            break;
        case Property::Items:
            if (c.kind() == ControlKind::ListBox || combo) fillList(cr, static_cast<ListControl&>(c));
            break;
        case Property::ListIndex:
            // Only the selection: rebuilding the list would scroll it back to the top.
            if (c.kind() == ControlKind::ListBox || combo) {
                cr.mirroring = true;
                SendMessageW(h, combo ? CB_SETCURSEL : LB_SETCURSEL,
                             static_cast<WPARAM>(static_cast<ListControl&>(c).listIndex()), 0);
                cr.mirroring = false;
            }
            break;
        case Property::EditStyle:
            if (c.kind() == ControlKind::TextBox) {
                auto& t = static_cast<TextBox&>(c);
                const bool wasMulti = (GetWindowLongPtrW(h, GWL_STYLE) & ES_MULTILINE) != 0;
                const LONG_PTR align = GetWindowLongPtrW(h, GWL_STYLE) & (ES_CENTER | ES_RIGHT);
                if (wasMulti != t.multiLine() || static_cast<DWORD>(align) != alignStyle(c)) {
                    // The edit control fixes these at creation: build it again.
                    std::shared_ptr<ControlRecord> keep = cit->second;
                    const bool focused = GetFocus() == h;
                    removeTool(rec, h);
                    rec.controls.erase(cit);
                    keep->control = nullptr;
                    createControl(rec, c);
                    DestroyWindow(h);
                    if (focused) SetFocus(rec.controls.at(&c)->hwnd);
                    return;
                }
                applyEditStyle(cr, t);
            }
            break;
        case Property::Picture:
            if (c.kind() == ControlKind::Picture) {
                auto& p = static_cast<Picture&>(c);
                LONG_PTR s = GetWindowLongPtrW(h, GWL_STYLE);
                s = p.stretch() ? (s | SS_REALSIZECONTROL) : (s & ~static_cast<LONG_PTR>(SS_REALSIZECONTROL));
                SetWindowLongPtrW(h, GWL_STYLE, s);
                applyPicture(cr, p);
                // A static control takes the size of its bitmap; the object's size stays the truth.
                MoveWindow(h, toPixelsX(c.left()), toPixelsY(c.top()), toPixelsX(c.width()),
                           toPixelsY(c.height()), TRUE);
            }
            break;
        case Property::Container: {
            Frame* frame = c.container();
            if (frame != nullptr) createControl(rec, *frame);
            SetParent(h, frame != nullptr ? rec.controls.at(frame)->hwnd : rec.hwnd);
            controlChanged(c, Property::Position);
            break;
        }
        case Property::Focus:
            if (GetFocus() != h) SetFocus(h);
            break;
        default:
            break;
    }
}

void Win32Host::applyFormPlace(FormRecord& rec) {
    Form& f = *rec.form;
    if (IsIconic(rec.hwnd) || IsZoomed(rec.hwnd)) return;
    RECT r{0, 0, toPixelsX(f.clientWidth()), toPixelsY(f.clientHeight())};
    AdjustWindowRectEx(&r, formStyle(f.borderStyle()), FALSE, formExStyle(f.borderStyle()));
    rec.mirroring = true;
    SetWindowPos(rec.hwnd, nullptr, toPixelsX(f.left()), toPixelsY(f.top()), r.right - r.left,
                 r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    rec.mirroring = false;
}

void Win32Host::formChanged(Form& form, Property what) {
    auto it = forms_.find(&form);
    if (it == forms_.end() || it->second->hwnd == nullptr) return;
    FormRecord& rec = *it->second;
    HWND h = rec.hwnd;
    switch (what) {
        case Property::Caption:
            SetWindowTextW(h, form.caption().c_str());
            break;
        case Property::Position:
            applyFormPlace(rec);
            break;
        case Property::Colors:
            rec.brush.reset();
            InvalidateRect(h, nullptr, TRUE);
            break;
        case Property::WindowState:
            if (IsWindowVisible(h)) {
                // Shown minimised, as at the first show: the window stays the active one instead of
                // handing the activation to the next window.
                const WindowState s = form.windowState();
                ShowWindow(h, s == WindowState::Minimized   ? SW_SHOWMINIMIZED
                              : s == WindowState::Maximized ? SW_MAXIMIZE
                                                            : SW_RESTORE);
            }
            break;
        case Property::BorderStyle: {
            const BorderStyle b = form.borderStyle();
            const LONG_PTR keep = GetWindowLongPtrW(h, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
            SetWindowLongPtrW(h, GWL_STYLE, static_cast<LONG_PTR>(formStyle(b)) | keep);
            SetWindowLongPtrW(h, GWL_EXSTYLE, formExStyle(b));
            rec.mirroring = true;  // the frame changes, the client area stays the object's
            SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
            rec.mirroring = false;
            applyFormPlace(rec);
            break;
        }
        case Property::MousePointer: {
            if (rec.customCursor != nullptr) {
                HCURSOR old = rec.customCursor;
                rec.customCursor = nullptr;
                if (GetCursor() == old) SetCursor(LoadCursorA(nullptr, IDC_ARROW));
                DestroyCursor(old);
            }
            if (!form.mouseIcon().empty()) {
                rec.customCursor = static_cast<HCURSOR>(
                    LoadImageW(nullptr, form.mouseIcon().c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
            }
            // The pointer changes at once when the mouse is over the form or held by it.
            POINT pt;
            GetCursorPos(&pt);
            HWND under = WindowFromPoint(pt);
            HWND capture = GetCapture();
            if ((under != nullptr && (under == h || IsChild(h, under))) ||
                (capture != nullptr && (capture == h || IsChild(h, capture)))) {
                SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            }
            break;
        }
        case Property::Region: {
            const Region& r = form.region();
            HRGN rgn = r.set ? CreateRoundRectRgn(0, 0, r.width, r.height, r.ellipseWidth, r.ellipseHeight)
                             : nullptr;
            SetWindowRgn(h, rgn, TRUE);  // the window owns the region from here on
            break;
        }
        default:
            break;
    }
}

void Win32Host::formShown(Form& form, bool modal) {
    FormRecord& rec = ensureWindows(form);
    if (modal) {
        for (auto& [other, orec] : forms_) {
            if (orec.get() == &rec || orec->hwnd == nullptr) continue;
            if (IsWindowVisible(orec->hwnd) && IsWindowEnabled(orec->hwnd)) {
                EnableWindow(orec->hwnd, FALSE);
                rec.disabledByModal.push_back(orec->hwnd);
            }
        }
    }
    const WindowState s = form.windowState();
    ShowWindow(rec.hwnd, s == WindowState::Minimized   ? SW_SHOWMINIMIZED
                         : s == WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                       : SW_SHOW);
    if (s != WindowState::Minimized) SetForegroundWindow(rec.hwnd);
}

void Win32Host::reenableAfterModal(FormRecord& rec) {
    for (HWND other : rec.disabledByModal) {
        if (IsWindow(other)) EnableWindow(other, TRUE);
    }
    rec.disabledByModal.clear();
}

void Win32Host::formHidden(Form& form) {
    auto it = forms_.find(&form);
    if (it == forms_.end() || it->second->hwnd == nullptr) return;
    std::shared_ptr<FormRecord> rec = it->second;
    reenableAfterModal(*rec);  // first, so that the window system can activate the owner again
    ShowWindow(rec->hwnd, SW_HIDE);
}

void Win32Host::destroyForm(const Form& form) {
    auto it = forms_.find(&form);
    if (it == forms_.end()) return;
    std::shared_ptr<FormRecord> rec = it->second;
    forms_.erase(it);
    if (lastActive_ == &form) lastActive_ = nullptr;
    reenableAfterModal(*rec);
    for (auto& [c, cr] : rec->controls) cr->control = nullptr;
    rec->form = nullptr;
    if (rec->tooltip != nullptr) DestroyWindow(rec->tooltip);
    if (rec->hwnd != nullptr) DestroyWindow(rec->hwnd);  // its children go with it
    rec->hwnd = nullptr;
}

void Win32Host::formUnloaded(Form& form) {
    destroyForm(form);
}
void Win32Host::formDestroyed(Form& form) {
    destroyForm(form);
}

void Win32Host::controlDestroyed(Control& control) {
    auto fit = forms_.find(&control.form());
    if (fit == forms_.end()) return;
    auto cit = fit->second->controls.find(&control);
    if (cit == fit->second->controls.end()) return;
    std::shared_ptr<ControlRecord> cr = cit->second;
    fit->second->controls.erase(cit);
    cr->control = nullptr;
    if (IsWindow(cr->hwnd) && controlRecordOf(cr->hwnd) == cr.get()) DestroyWindow(cr->hwnd);
}

platform::WindowHandle Win32Host::handleOf(const Form& form) {
    return platform::win32::fromHwnd(ensureWindows(const_cast<Form&>(form)).hwnd);
}

void Win32Host::beginDragMove(Form& form) {
    HWND h = windowOf(form);
    if (h == nullptr) return;
    ReleaseCapture();
    SendMessageW(h, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32Host::activatedByUser(FormRecord& rec) {
    if (rec.form == nullptr || lastActive_ == rec.form) return;
    lastActive_ = rec.form;
    rec.form->activated();
}

void Win32Host::reportFailure(std::exception_ptr e) {
    // An exception may not cross the system's message dispatcher: the event loop raises it again.
    platform_.loop.post([e] { std::rethrow_exception(e); });
}

}  // namespace wardo::ui::win32
