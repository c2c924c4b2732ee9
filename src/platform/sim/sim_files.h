// Files of the simulated desktop: the program's Windows paths ("C:\A\b.ini", "\Wardo\x") mapped onto a
// host folder, one sub-folder per drive letter, with Windows' case-insensitive names.
#pragma once
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"

namespace wardo::platform::sim {

class SimFiles : public Files {
public:
    // Drive C always exists: root/C is created here.
    explicit SimFiles(std::filesystem::path root);

    std::optional<std::string> readAll(const std::wstring& path) override;
    // A file's attributes are its host permissions: a replaced file keeps them, and one without the
    // owner's write permission is read-only.
    bool writeAllAtomic(const std::wstring& path, const std::string& bytes) override;
    // The temporary files are "~wrd" and a number, ".tmp".
    void removeLeftoverTemporaries(const std::wstring& folder) override;
    bool fileExists(const std::wstring& path) override;
    bool folderExists(const std::wstring& path) override;
    bool createFolder(const std::wstring& path) override;
    bool copyReplacing(const std::wstring& from, const std::wstring& to) override;
    // Names only (no folder), sorted without regard to case; the pattern takes "*" and "?".
    std::vector<std::wstring> listFiles(const std::wstring& folder, const std::wstring& pattern) override;
    std::vector<std::wstring> listFolders(const std::wstring& folder) override;
    // "C:\" and every other drive that has a folder under the root, in letter order.
    std::vector<std::wstring> listDrives() override;
    std::wstring programFolder() override { return programFolder_; }

    // Test set-up: files whose writes the "system" refuses, as a read-only file or a full disk would.
    void setWriteRefused(const std::wstring& path, bool refused);
    // After `count` more successful writes, every write is refused, as on a disk that fills up;
    // nullopt lifts the limit.
    void setWritesLeft(std::optional<int> count) { writesLeft_ = count; }
    // Names then match only with their own letter case, as on a file system that tells case apart.
    void setCaseSensitive(bool sensitive) { caseSensitive_ = sensitive; }
    // Writes then stop once their temporary file is written, as when the program is ended in the middle
    // of a save: the temporary file stays, the target is unchanged and the write reports a failure.
    void setWritesInterrupted(bool interrupted) { interrupted_ = interrupted; }

    // The host path that a Windows path maps to (names along it matched without regard to case, unless
    // the files are case-sensitive).
    std::filesystem::path hostPath(const std::wstring& path) const;

private:
    std::filesystem::path root_;
    const std::wstring programFolder_ = L"C:\\Program Files\\Wardo\\";
    std::set<std::filesystem::path> refused_;
    std::optional<int> writesLeft_;
    bool caseSensitive_ = false;
    bool interrupted_ = false;
};

}  // namespace wardo::platform::sim
