// The arguments a room tool was started with, split as the shell splits them, its own name left out.
#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

namespace wardo::room {

inline std::vector<std::wstring> commandLineArguments() {
    int argc = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &argc),
                                                       &LocalFree);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv.get()[i]);
    return args;
}

}  // namespace wardo::room
