// Message boxes and sounds: what the program shows and plays to its user.
#pragma once
#include <string>

#include "platform/window_system.h"

namespace wardo::platform {

enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxIcon { None, Information, Exclamation, Critical, Question };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal box; `at` places it (screen pixels) when given.
    virtual BoxAnswer show(const std::wstring& text, const std::wstring& title, BoxButtons buttons,
                           BoxIcon icon, const Point* at = nullptr) = 0;
};

class Sounds {
public:
    virtual ~Sounds() = default;
    // Plays a WAV file; synchronous play blocks until the sound ends. False when it could not play.
    virtual bool playWav(const std::wstring& path, bool async) = 0;
    virtual void beep(int frequencyHz, int durationMs) = 0;  // blocking
    virtual void messageBeep() = 0;                          // the system's default beep
};

}  // namespace wardo::platform
