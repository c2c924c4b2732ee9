#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwctype>
#include <string_view>

namespace wardo::platform::win32 {
namespace {

// A file handle, where INVALID_HANDLE_VALUE (not 0) means none.
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool close() {
        const bool ok = !valid() || CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

class FindHandle {
public:
    explicit FindHandle(HANDLE h) : h_(h) {}
    ~FindHandle() {
        if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

std::wstring withoutNul(const std::wstring& s) {
    return s.substr(0, s.find(L'\0'));
}

std::wstring folderOf(const std::wstring& path) {
    const auto cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::wstring joined(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') return folder + name;
    return folder + L"\\" + name;
}

bool lessNoCase(const std::wstring& a, const std::wstring& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<wint_t>(x)) < std::towlower(static_cast<wint_t>(y));
    });
}

DWORD attributes(const std::wstring& path) {
    return GetFileAttributesW(withoutNul(path).c_str());
}

// "~wrd", the writer's process number, "-", a counter, ".tmp", as writeAllAtomic names its files.
bool isTemporaryName(const std::wstring& name) {
    std::wstring n = name;
    for (wchar_t& c : n) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    if (!n.starts_with(L"~wrd") || !n.ends_with(L".tmp")) return false;
    const std::wstring_view middle = std::wstring_view(n).substr(4, n.size() - 8);
    const auto number = [](std::wstring_view d) {
        return !d.empty() && d.find_first_not_of(L"0123456789") == std::wstring_view::npos;
    };
    const auto dash = middle.find(L'-');
    return dash != std::wstring_view::npos && number(middle.substr(0, dash)) &&
           number(middle.substr(dash + 1));
}

// Whether another program holds the file open without letting it be removed: no replacement can
// succeed then, and a failed ReplaceFileW leaves a stray file of its own on some systems (Wine).
bool heldByAnother(const std::wstring& path) {
    FileHandle probe(CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (probe.valid()) return false;
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Puts the written temporary file in the target's place. ReplaceFileW keeps what the system keeps of
// the replaced file (its security, its creation time); a first save has nothing to replace, and a
// replacement that stopped after removing the target leaves only the rename to do.
bool putInPlace(const std::wstring& temp, const std::wstring& target) {
    if (heldByAnother(target)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return false;
    }
    if (ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr))
        return true;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT) return false;
    return MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

std::vector<std::wstring> listing(const std::wstring& folder, const std::wstring& pattern, bool folders) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(joined(withoutNul(folder), withoutNul(pattern)).c_str(), &data));
    if (!find.valid()) return names;
    do {
        const std::wstring name = data.cFileName;
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != folders || name == L"." || name == L"..") continue;
        names.push_back(name);
    } while (FindNextFileW(find.get(), &data));
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

}  // namespace

std::optional<std::string> Win32Files::readAll(const std::wstring& path) {
    FileHandle file(CreateFileW(withoutNul(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    for (;;) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

bool Win32Files::writeAllAtomic(const std::wstring& path, const std::string& bytes) {
    static std::atomic<unsigned> counter{0};
    const std::wstring target = withoutNul(path);
    if (target.empty()) return false;
    // A rename would replace a read-only file on some systems; the file's owner asked for it to stay.
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    // The new file takes the old one's attributes before it takes its place: not every system's
    // ReplaceFileW carries them over (Wine's does not).
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const std::wstring temp = folderOf(target) + L"~wrd" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(counter++) + L".tmp";
    bool written = false;
    {
        FileHandle file(
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) return false;
        written = true;
        size_t done = 0;
        while (written && done < bytes.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
            DWORD put = 0;
            written = WriteFile(file.get(), bytes.data() + done, chunk, &put, nullptr) && put == chunk;
            done += put;
        }
        written = written && FlushFileBuffers(file.get());
        written = file.close() && written;
    }
    if (written && existing != INVALID_FILE_ATTRIBUTES && (existing & kKept))
        written = SetFileAttributesW(temp.c_str(), existing & kKept);
    // Another program that reads the file (an editor, a virus scanner, the system's profile functions)
    // may hold it for a moment without letting it be replaced: the save waits for it, up to a second,
    // rather than be lost.
    for (int attempt = 0; written && attempt < 50; ++attempt) {
        if (putInPlace(temp, target)) return true;
        const DWORD error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION &&
            error != ERROR_LOCK_VIOLATION && error != ERROR_UNABLE_TO_REMOVE_REPLACED)
            break;
        Sleep(20);
    }
    DeleteFileW(temp.c_str());
    return false;
}

// A temporary file still being written is open without sharing: its removal fails and it stays.
void Win32Files::removeLeftoverTemporaries(const std::wstring& folder) {
    const std::wstring where = withoutNul(folder);
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(joined(where, L"~wrd*.tmp").c_str(), &data));
    if (!find.valid()) return;
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && isTemporaryName(data.cFileName))
            DeleteFileW(joined(where, data.cFileName).c_str());
    } while (FindNextFileW(find.get(), &data));
}

bool Win32Files::fileExists(const std::wstring& path) {
    const DWORD a = attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::folderExists(const std::wstring& path) {
    const DWORD a = attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32Files::createFolder(const std::wstring& path) {
    return CreateDirectoryW(withoutNul(path).c_str(), nullptr) != 0 || folderExists(path);
}

bool Win32Files::copyReplacing(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(withoutNul(from).c_str(), withoutNul(to).c_str(), FALSE) != 0;
}

std::vector<std::wstring> Win32Files::listFiles(const std::wstring& folder, const std::wstring& pattern) {
    return listing(folder, pattern, false);
}

std::vector<std::wstring> Win32Files::listFolders(const std::wstring& folder) {
    return listing(folder, L"*", true);
}

std::vector<std::wstring> Win32Files::listDrives() {
    std::vector<std::wstring> drives;
    const DWORD size = GetLogicalDriveStringsW(0, nullptr);
    if (size == 0) return drives;
    std::wstring buffer(size + 1, L'\0');
    const DWORD got = GetLogicalDriveStringsW(size, buffer.data());
    if (got == 0 || got > size) return drives;
    for (size_t pos = 0; pos < got && buffer[pos];) {
        const std::wstring drive(buffer.c_str() + pos);
        drives.push_back(drive);
        pos += drive.size() + 1;
    }
    return drives;
}

std::wstring Win32Files::programFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (got == 0) return L"";
        if (got < buffer.size()) {
            buffer.resize(got);
            return folderOf(buffer);
        }
        if (buffer.size() >= 32768) return L"";
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace wardo::platform::win32
