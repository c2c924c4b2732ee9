// Standard message boxes; a box given a point is moved there as the system activates it.
#pragma once
#include "platform/dialogs.h"

namespace wardo::platform::win32 {

class Win32MessageBoxes final : public MessageBoxes {
public:
    int showStyled(const std::wstring& text, const std::wstring& title, int style, const Point* at = nullptr,
                   WindowHandle owner = 0) override;
};

}  // namespace wardo::platform::win32
