// Program entry: one run of the program on the real desktop.
#include "app/program.h"
#include "ui/win32/real_desktop.h"

int main() {
    auto desktop = wardo::ui::win32::openRealDesktop();
    wardo::app::Program program(desktop->platform(), desktop->host());
    return program.run();
}
