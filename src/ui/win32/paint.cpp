// Colours, fonts and the drawing of the controls the binding paints itself: the outside library's
// command buttons and the frames.
#include <algorithm>

#include "ui/win32/records.h"

namespace wardo::ui::win32 {

COLORREF colorOf(Color c) {
    if (colors::isSystem(c)) return GetSysColor(static_cast<int>(c & 0xFF));
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

HBRUSH brushFor(ScopedGdiObject& owned, Color c) {
    if (colors::isSystem(c)) return GetSysColorBrush(static_cast<int>(c & 0xFF));
    if (!owned) owned.reset(CreateSolidBrush(colorOf(c)));
    return static_cast<HBRUSH>(owned.get());
}

HFONT makeFont(const Font& f) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(std::max(1, f.size), GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       f.name.c_str());
}

void drawButton(const DRAWITEMSTRUCT& item, Control& button, HBRUSH back) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, back);
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT textRect = r;
    if (pushed) OffsetRect(&textRect, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : colorOf(button.foreColor()));
    const Text& caption = button.caption();
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) != 0) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dc, &r);
    }
}

void paintFrame(HWND hwnd, Control& frame, HBRUSH back) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, back);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT border = r;
    border.top += tm.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    const Text& caption = frame.caption();
    if (!caption.empty()) {
        SetBkColor(dc, colorOf(frame.backColor()));
        SetTextColor(dc, colorOf(frame.foreColor()));
        RECT textRect{8, 0, r.right - 8, tm.tmHeight};
        DrawTextW(dc, (L" " + caption + L" ").c_str(), -1, &textRect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (oldFont != nullptr) SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace wardo::ui::win32
