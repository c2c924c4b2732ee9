// Files and folders through the system's wide-character file functions.
#pragma once
#include "platform/files.h"

namespace wardo::platform::win32 {

class Win32Files final : public Files {
public:
    std::optional<std::string> readAll(const std::wstring& path) override;
    // Temporary file "~wrd<process>-<n>.tmp" in the target's folder, which ReplaceFileW puts in the
    // target's place (MoveFileExW for a new file): never half a file.
    bool writeAllAtomic(const std::wstring& path, const std::string& bytes) override;
    void removeLeftoverTemporaries(const std::wstring& folder) override;
    bool fileExists(const std::wstring& path) override;
    bool folderExists(const std::wstring& path) override;
    bool createFolder(const std::wstring& path) override;
    bool copyReplacing(const std::wstring& from, const std::wstring& to) override;
    // Names only, sorted without regard to case.
    std::vector<std::wstring> listFiles(const std::wstring& folder, const std::wstring& pattern) override;
    std::vector<std::wstring> listFolders(const std::wstring& folder) override;
    // "C:\", "D:\", ... as the system lists them.
    std::vector<std::wstring> listDrives() override;
    std::wstring programFolder() override;
};

}  // namespace wardo::platform::win32
