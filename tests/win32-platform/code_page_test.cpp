// The system's code page as the Windows build converts texts: on a Windows-1252 system it must give
// exactly what the simulated desktop's table gives, both ways, for every byte and every character.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_platform.h"
#include "text/text.h"

namespace wardo::platform::win32 {
namespace {

TEST(SystemCodePage, IsWhatThePlatformInstalls) {
    Win32Platform owner;
    EXPECT_EQ(&text::ansiCodePage(), &systemCodePage());
    EXPECT_EQ(systemCodePage().codePage(), GetACP());
}

TEST(SystemCodePage, AgreesWithTheWindows1252TableOnAWindows1252System) {
    if (GetACP() != 1252) GTEST_SKIP() << "the system's code page is " << GetACP();
    const text::AnsiCodePage& table = text::windows1252();
    const SystemCodePage& system = systemCodePage();

    std::string everyByte;
    for (int b = 1; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
    EXPECT_EQ(system.decode(everyByte), table.decode(everyByte));

    // Every character of the basic plane but the surrogates, whose pairs the system takes as one.
    std::wstring everyUnit;
    for (unsigned u = 1; u < 0x10000; ++u)
        if (u < 0xD800 || u > 0xDFFF) everyUnit.push_back(static_cast<wchar_t>(u));
    const std::string bySystem = system.encode(everyUnit);
    const std::string byTable = table.encode(everyUnit);
    ASSERT_EQ(bySystem.size(), byTable.size());
    for (std::size_t i = 0; i < everyUnit.size(); ++i)
        ASSERT_EQ(bySystem[i], byTable[i]) << "U+" << std::hex << static_cast<unsigned>(everyUnit[i]);
    // No look-alike: a character outside the code page is "?", not its nearest letter.
    EXPECT_EQ(system.encode(L"\u0100\u0416\u4E2D"), "???");
    EXPECT_EQ(system.decode(""), L"");
    EXPECT_EQ(system.encode(L""), "");
}

}  // namespace
}  // namespace wardo::platform::win32
