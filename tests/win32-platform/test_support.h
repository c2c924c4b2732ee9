// Titles unique to this process, for the windows of the Win32 platform and controls tests (bounded
// pumping and the processor time are tests/e2e/e2e_support.h's).
#pragma once
#include <windows.h>

#include <string>

namespace wardo::platform::win32::test {

// "prefix 1234-7": the process id and a counter keep windows of parallel runs apart.
std::wstring uniqueTitle(const std::wstring& prefix);

}  // namespace wardo::platform::win32::test
