// Files and folders under the program's own (Windows-style) paths, and the environment.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace wardo::platform {

class Files {
public:
    virtual ~Files() = default;
    virtual std::optional<std::string> readAll(const std::wstring& path) = 0;
    // Writes through a temporary file beside the target, which then replaces it as the system's own file
    // replacement does (the file keeps its attributes): a crash never leaves half a file. A read-only
    // file is refused.
    virtual bool writeAllAtomic(const std::wstring& path, const std::string& bytes) = 0;
    // Removes from `folder` the temporary files that writeAllAtomic leaves when its process ends in the
    // middle of a write: only files named as it names them, and none that a write still holds open.
    virtual void removeLeftoverTemporaries(const std::wstring& folder) = 0;
    virtual bool fileExists(const std::wstring& path) = 0;
    virtual bool folderExists(const std::wstring& path) = 0;
    // Creates one folder inside an existing one; true when the folder exists afterwards.
    virtual bool createFolder(const std::wstring& path) = 0;
    virtual bool copyReplacing(const std::wstring& from, const std::wstring& to) = 0;
    virtual std::vector<std::wstring> listFiles(const std::wstring& folder, const std::wstring& pattern) = 0;
    virtual std::vector<std::wstring> listFolders(const std::wstring& folder) = 0;
    virtual std::vector<std::wstring> listDrives() = 0;
    // The folder of the running program, with a trailing backslash.
    virtual std::wstring programFolder() = 0;
};

class Environment {
public:
    virtual ~Environment() = default;
    virtual std::optional<std::wstring> variable(const std::wstring& name) = 0;
    // Opens a web page in the browser the system associates with web addresses (the shell's default
    // action), `parent` owning any window the shell shows; a failure is not reported.
    virtual void openWebPage(WindowHandle parent, const std::wstring& url) = 0;
};

class Digest {
public:
    virtual ~Digest() = default;
    // Lower-case hexadecimal MD5 of the bytes.
    virtual std::string md5Hex(const std::string& bytes) = 0;
};

}  // namespace wardo::platform
