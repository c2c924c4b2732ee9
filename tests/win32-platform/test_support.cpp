#include "test_support.h"

namespace wardo::platform::win32::test {

std::wstring uniqueTitle(const std::wstring& prefix) {
    static int counter = 0;
    return prefix + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

}  // namespace wardo::platform::win32::test
