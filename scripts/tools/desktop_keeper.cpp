// Keeps the Wine desktop alive for a whole test run, so that each GUI program does not start and
// stop the desktop process itself. Runs until it is killed.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    GetDesktopWindow();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
