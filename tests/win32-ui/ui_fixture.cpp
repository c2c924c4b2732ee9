// Test support for the Win32 binding.
#include "ui_fixture.h"

#include <algorithm>

namespace wardo::ui::win32::test {

bool Fixture::pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        real.loop().doEvents();
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)), QS_ALLINPUT);
    }
}

void Fixture::pump(int passes) {
    for (int i = 0; i < passes; ++i) real.loop().doEvents();
}

std::wstring className(HWND h) {
    wchar_t buffer[64] = {};
    GetClassNameW(h, buffer, 64);
    return buffer;
}

RECT placeInParent(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

namespace {
std::wstring writeTemp(const std::wstring& name, const void* bytes, DWORD size) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, bytes, size, &written, nullptr);
        CloseHandle(file);
    }
    return path;
}
}  // namespace

std::wstring writeCursor(const std::wstring& name) {
    std::vector<unsigned char> cur = {0,    0,    2, 0, 1,  0,         // cursor file, one image
                                      32,   32,   2, 0, 0,  0, 0, 0,   // 32 x 32, 2 colours, hot spot 0,0
                                      0x30, 0x01, 0, 0, 22, 0, 0, 0};  // 304 bytes at offset 22
    const unsigned char info[40] = {40, 0, 0, 0, 32, 0, 0, 0,
                                    64, 0, 0, 0, 1,  0, 1};  // height doubled: XOR + AND
    cur.insert(cur.end(), info, info + 40);
    const unsigned char palette[8] = {0, 0, 0, 0, 255, 255, 255, 0};
    cur.insert(cur.end(), palette, palette + 8);
    cur.insert(cur.end(), 128, 0xAA);  // XOR mask: stripes
    cur.insert(cur.end(), 128, 0x00);  // AND mask: all opaque
    return writeTemp(name, cur.data(), static_cast<DWORD>(cur.size()));
}

std::wstring writeBitmap(const std::wstring& name) {
    // 2 x 2 pixels, 24 bits, rows padded to 4 bytes.
    // clang-format off
    const unsigned char bmp[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                          // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,  // info header
        0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};              // pixels
    // clang-format on
    return writeTemp(name, bmp, sizeof bmp);
}

void KindsForm::design() {
    setCaption(title);
    setBorderStyle(BorderStyle::FixedSingle);
    setClientSize(6000, 6000);
    move(1500, 1500);
    Label1.move(150, 150, 1500, 300);
    Label1.setCaption(L"Étiquette");
    Command1.move(1800, 150, 1500, 450);
    Command1.setCaption(L"Connexion à la salle");
    Command1.setBackColor(0x00FF8000);
    Check1.move(150, 750, 2000, 300);
    Check1.setCaption(L"Ne pas montrer");
    Option1.move(150, 1200, 1500, 300);
    Option1.setCaption(L"Ban Ip + Pseudo");
    Option2.move(1800, 1200, 1500, 300);
    Option2.setCaption(L"Ban Pseudo seul");
    Option2.setValue(true);
    Text1.move(150, 1650, 3000, 300);
    Text1.setText(L"texte");
    Frame1.move(150, 2100, 4500, 1500);
    Frame1.setCaption(L"Cadre");
    Inner.setContainer(&Frame1);
    Inner.move(300, 450, 1500, 300);
    Inner.setCaption(L"dedans");
    Image1.move(4800, 150, 600, 600);
    List1.move(150, 3750, 2400, 1200);
    List1.addItem(L"Réglages de base");
    List1.addItem(L"Raisons");
    Combo1.move(3000, 3750, 2400, 300);
    Combo1.addItem(L"1h");
    Combo1.addItem(L"15j");
    Timer1.setInterval(50);
    Timer1.setEnabled(false);
}

}  // namespace wardo::ui::win32::test
