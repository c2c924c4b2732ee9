// WAV files through the multimedia player, tones through the kernel's beep.
#pragma once
#include "platform/dialogs.h"

namespace wardo::platform::win32 {

class Win32Sounds final : public Sounds {
public:
    bool playWav(const std::wstring& path, bool async) override;
    void beep(int frequencyHz, int durationMs) override;
    void messageBeep() override;
};

}  // namespace wardo::platform::win32
