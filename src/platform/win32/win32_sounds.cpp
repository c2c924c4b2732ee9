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
    if (durationMs <= 0) return;
    // The tone blocks for its whole duration, even where the system refuses the frequency (outside
    // 37..32767 Hz) or returns at once without a speaker (as under Wine): timing stays the same.
    const ULONGLONG start = GetTickCount64();
    if (frequencyHz >= 37 && frequencyHz <= 32767)
        Beep(static_cast<DWORD>(frequencyHz), static_cast<DWORD>(durationMs));
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (elapsed < static_cast<ULONGLONG>(durationMs)) Sleep(static_cast<DWORD>(durationMs - elapsed));
}

void Win32Sounds::messageBeep() {
    MessageBeep(MB_OK);
}

}  // namespace wardo::platform::win32
