// What the Win32 binding keeps for each form and control window: the objects they show, the GDI
// objects they own, and the flags that keep mirrored changes from coming back as user input.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/win32/scoped_win.h"
#include "ui/control.h"
#include "ui/form.h"

namespace wardo::ui::win32 {

class Win32Host;
using platform::win32::ScopedGdiObject;

struct FormRecord;

struct ControlRecord : std::enable_shared_from_this<ControlRecord> {
    Control* control = nullptr;  // null once the window is gone
    FormRecord* owner = nullptr;
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    ScopedGdiObject font;
    ScopedGdiObject brush;   // back colour when it is not a system colour
    ScopedGdiObject bitmap;  // the picture shown
    bool mirroring = false;  // a change made by the binding, not by the user
    bool doubleClicked = false;
    bool pressed = false;  // mouse captured by a press on this control
};

struct FormRecord : std::enable_shared_from_this<FormRecord> {
    Form* form = nullptr;  // null once the window is gone
    Win32Host* host = nullptr;
    HWND hwnd = nullptr;
    HWND tooltip = nullptr;
    std::map<const Control*, std::shared_ptr<ControlRecord>> controls;
    std::vector<HWND> disabledByModal;  // other forms disabled while this one is shown modally
    ScopedGdiObject brush;
    HCURSOR customCursor = nullptr;  // loaded from a file: destroyed with DestroyCursor
    bool mirroring = false;
    bool pressed = false;

    ~FormRecord();
};

// Window classes of the binding: the form and the frame container.
constexpr wchar_t kFormClass[] = L"WardoForm";
constexpr wchar_t kFrameClass[] = L"WardoFrame";
// Controls are windows of system classes, subclassed: a window property, not their user data, ties them
// to their record, so a foreign window never passes for one of ours.
constexpr wchar_t kControlProp[] = L"WardoControlRecord";

LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
void registerClasses();

// Colours and painting (paint.cpp).
COLORREF colorOf(Color c);
HBRUSH brushFor(ScopedGdiObject& owned, Color c);
void drawButton(const DRAWITEMSTRUCT& item, Control& button, HBRUSH back);
void paintFrame(HWND hwnd, Control& frame, HBRUSH back);
HFONT makeFont(const Font& f);

ControlRecord* controlRecordOf(HWND hwnd);

}  // namespace wardo::ui::win32
