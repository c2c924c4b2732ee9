#include "platform/win32/win32_sounds.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace wardo::platform::win32 {

// No SND_NODEFAULT: as the program always did, a missing file plays the system's default sound.
bool Win32Sounds::playWav(const std::wstring& path, bool async) {
    return PlaySoundW(path.c_str(), nullptr, SND_FILENAME | (async ? SND_ASYNC : SND_SYNC)) != FALSE;
}

void Win32Sounds::beep(int frequencyHz, int durationMs) {
    // Outside 37..32767 Hz the system refuses the tone; the pause is kept so that timing stays the same.
    if (durationMs <= 0) return;
    if (frequencyHz < 37 || frequencyHz > 32767 ||
        !Beep(static_cast<DWORD>(frequencyHz), static_cast<DWORD>(durationMs)))
        Sleep(static_cast<DWORD>(durationMs));
}

void Win32Sounds::messageBeep() {
    MessageBeep(MB_OK);
}

}  // namespace wardo::platform::win32
