// Helpers of the Win32 tests: bounded message pumping and titles unique to this process.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace wardo::platform::win32::test {

// Pumps this thread's messages until `done` or `timeoutMs`; waits for messages between checks.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// "prefix 1234-7": the process id and a counter keep windows of parallel runs apart.
std::wstring uniqueTitle(const std::wstring& prefix);

}  // namespace wardo::platform::win32::test
