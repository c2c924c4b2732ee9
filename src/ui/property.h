// What changed on a form or a control, as the runtime tells its binding.
#pragma once
#include <cstdint>

#include "text/text.h"

namespace wardo::ui {

using text::Text;

enum class Property {
    Position,  // Left, Top, Width, Height
    Caption,   // caption or text
    Visible,
    Enabled,
    Colors,  // foreColor, backColor
    ToolTip,
    Font,
    Alignment,
    Value,  // check box and option button
    Items,  // list and combo box contents
    ListIndex,
    EditStyle,  // multiLine, locked, maxLength, passwordChar
    Picture,    // picture file, stretch
    Container,
    Focus,
    WindowState,
    BorderStyle,
    MousePointer,  // pointer kind and custom pointer file
    Region,
};

enum class ControlKind {
    Label,
    Button,
    CheckBox,
    OptionButton,
    TextBox,
    Frame,
    Picture,
    ListBox,
    ComboBox,
    Timer
};

enum class Alignment { Left = 0, Right = 1, Center = 2 };

// The classic runtime's answer to a value a property cannot take.
[[noreturn]] inline void failInvalidPropertyValue() {
    text::fail(text::ErrorCode::InvalidPropertyValue, "Invalid property value");
}
// Widths and heights in twips: below zero is an invalid property value.
inline void checkSize(int twips) {
    if (twips < 0) failInvalidPropertyValue();
}
// Gives a property its new value; false when it had it already, and nothing is to be told.
template <class T>
bool store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// Windows colours &HBBGGRR; values with the high bit set name a system colour (low byte = its index).
using Color = std::int32_t;
namespace colors {
constexpr Color kButtonFace = static_cast<Color>(0x8000000F);
constexpr Color kButtonText = static_cast<Color>(0x80000012);
constexpr Color kWindow = static_cast<Color>(0x80000005);
constexpr Color kWindowText = static_cast<Color>(0x80000008);
constexpr bool isSystem(Color c) {
    return c < 0;
}
}  // namespace colors

struct Font {
    Text name = L"MS Sans Serif";
    int size = 8;  // points
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// Mouse buttons and shift state as the classic mouse events report them.
namespace mouse {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;
}  // namespace mouse

// Characters as the classic KeyPress event reports them.
namespace key {
constexpr int kEnter = 13;
}

}  // namespace wardo::ui
