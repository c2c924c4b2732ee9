#include "platform/sim/sim_files.h"

#include <algorithm>
#include <atomic>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <system_error>

#include "text/text.h"

namespace wardo::platform::sim {
namespace fs = std::filesystem;

namespace {

bool sameName(const std::wstring& a, const std::wstring& b) {
    return text::lower(a) == text::lower(b);
}

// Windows wildcard match, case-insensitive: "*" any run, "?" one character.
bool wildcardMatch(const std::wstring& name, const std::wstring& pattern) {
    const std::wstring n = text::lower(name), p = text::lower(pattern);
    size_t i = 0, j = 0, starP = std::wstring::npos, starN = 0;
    while (i < n.size()) {
        if (j < p.size() && (p[j] == L'?' || p[j] == n[i])) {
            ++i;
            ++j;
        } else if (j < p.size() && p[j] == L'*') {
            starP = j++;
            starN = i;
        } else if (starP != std::wstring::npos) {
            j = starP + 1;
            i = ++starN;
        } else {
            return false;
        }
    }
    while (j < p.size() && p[j] == L'*') ++j;
    return j == p.size();
}

bool lessNoCase(const std::wstring& a, const std::wstring& b) {
    return text::lower(a) < text::lower(b);
}

// Host names are UTF-8 whatever the process's locale (the "C" locale converts no accented letter); a
// code unit that is no character becomes U+FFFD.
fs::path hostName(const std::wstring& name) {
    std::u8string out;
    for (const wchar_t unit : name) {
        auto c = static_cast<char32_t>(unit);
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char8_t>(c);
        } else if (c < 0x800) {
            out += static_cast<char8_t>(0xC0 | (c >> 6));
            out += static_cast<char8_t>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char8_t>(0xE0 | (c >> 12));
            out += static_cast<char8_t>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char8_t>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char8_t>(0xF0 | (c >> 18));
            out += static_cast<char8_t>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char8_t>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char8_t>(0x80 | (c & 0x3F));
        }
    }
    return fs::path(out);
}

// The other way; a byte that does not decode becomes U+FFFD.
std::wstring wideName(const fs::path& path) {
    const std::u8string bytes = path.u8string();
    std::wstring out;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned b = bytes[i];
        const int more = b < 0x80             ? 0
                         : (b & 0xE0) == 0xC0 ? 1
                         : (b & 0xF0) == 0xE0 ? 2
                         : (b & 0xF8) == 0xF0 ? 3
                                              : -1;
        char32_t c = more == 0 ? b : more == 1 ? (b & 0x1F) : more == 2 ? (b & 0x0F) : (b & 0x07);
        size_t j = i + 1;
        for (int k = 0; k < more && j < bytes.size() && (bytes[j] & 0xC0) == 0x80; ++k, ++j)
            c = (c << 6) | (bytes[j] & 0x3F);
        if (more < 0 || j != i + 1 + static_cast<size_t>(more)) c = 0xFFFD;
        out += static_cast<wchar_t>(c);
        i = more < 0 ? i + 1 : j;
    }
    return out;
}

std::vector<std::wstring> splitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring cur;
    for (wchar_t c : path) {
        if (c == L'\\' || c == L'/') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    parts.push_back(cur);
    return parts;
}

}  // namespace

SimFiles::SimFiles(fs::path root) : root_(std::move(root)) {
    std::error_code ec;
    fs::create_directories(root_ / "C", ec);
}

fs::path SimFiles::hostPath(const std::wstring& path) const {
    std::wstring drive = L"C";
    std::wstring rest = path.substr(0, path.find(L'\0'));  // the system's calls stop at a NUL
    if (rest.size() >= 2 && rest[1] == L':' && std::iswalpha(rest[0])) {
        drive = std::wstring(1, static_cast<wchar_t>(std::towupper(rest[0])));
        rest = rest.substr(2);
    }
    // Folders are resolved one by one so that "..", "." and doubled separators never leave the drive.
    std::vector<std::wstring> names;
    for (const auto& part : splitPath(rest)) {
        if (part.empty() || part == L".") continue;
        if (part == L"..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(part);
    }
    fs::path host = root_ / hostName(drive);
    for (const auto& name : names) {
        fs::path next = host / hostName(name);
        std::error_code ec;
        if (!caseSensitive_ && !fs::exists(next, ec) && fs::is_directory(host, ec)) {
            for (const auto& entry : fs::directory_iterator(host, ec)) {
                if (sameName(wideName(entry.path().filename()), name)) {
                    next = entry.path();
                    break;
                }
            }
        }
        host = next;
    }
    return host;
}

void SimFiles::setWriteRefused(const std::wstring& path, bool refused) {
    const auto host = hostPath(path);
    if (refused)
        refused_.insert(host);
    else
        refused_.erase(host);
}

std::optional<std::string> SimFiles::readAll(const std::wstring& path) {
    const auto host = hostPath(path);
    std::error_code ec;
    if (!fs::is_regular_file(host, ec)) return std::nullopt;
    std::ifstream in(host, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool SimFiles::writeAllAtomic(const std::wstring& path, const std::string& bytes) {
    const auto host = hostPath(path);
    std::error_code ec;
    if (refused_.count(host) || !fs::is_directory(host.parent_path(), ec) || fs::is_directory(host, ec))
        return false;
    if (writesLeft_ && *writesLeft_ <= 0) return false;
    const auto existing = fs::status(host, ec);
    const bool replacing = fs::is_regular_file(existing);
    if (replacing && (existing.permissions() & fs::perms::owner_write) == fs::perms::none) return false;
    static std::atomic<unsigned> counter{0};
    const fs::path temp = host.parent_path() / ("~wrd" + std::to_string(counter++) + ".tmp");
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    if (interrupted_) return false;
    ec.clear();
    if (replacing) fs::permissions(temp, existing.permissions(), ec);
    if (!ec) fs::rename(temp, host, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    if (writesLeft_) --*writesLeft_;
    return true;
}

void SimFiles::removeLeftoverTemporaries(const std::wstring& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(hostPath(folder), ec)) {
        const auto name = text::lower(wideName(entry.path().filename()));
        const auto digits = name.size() > 8 ? name.substr(4, name.size() - 8) : std::wstring();
        if (entry.is_regular_file(ec) && name.starts_with(L"~wrd") && name.ends_with(L".tmp") &&
            !digits.empty() && digits.find_first_not_of(L"0123456789") == std::wstring::npos)
            fs::remove(entry.path(), ec);
    }
}

bool SimFiles::fileExists(const std::wstring& path) {
    std::error_code ec;
    return fs::is_regular_file(hostPath(path), ec);
}

bool SimFiles::folderExists(const std::wstring& path) {
    std::error_code ec;
    return fs::is_directory(hostPath(path), ec);
}

bool SimFiles::createFolder(const std::wstring& path) {
    const auto host = hostPath(path);
    std::error_code ec;
    if (fs::is_directory(host, ec)) return true;
    if (refused_.count(host) || !fs::is_directory(host.parent_path(), ec)) return false;
    return fs::create_directory(host, ec);
}

bool SimFiles::copyReplacing(const std::wstring& from, const std::wstring& to) {
    const auto source = readAll(from);
    return source && writeAllAtomic(to, *source);
}

std::vector<std::wstring> SimFiles::listFiles(const std::wstring& folder, const std::wstring& pattern) {
    std::vector<std::wstring> names;
    std::error_code ec;
    const auto host = hostPath(folder);
    if (!fs::is_directory(host, ec)) return names;
    for (const auto& entry : fs::directory_iterator(host, ec)) {
        const auto name = wideName(entry.path().filename());
        if (entry.is_regular_file(ec) && wildcardMatch(name, pattern)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

std::vector<std::wstring> SimFiles::listFolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::error_code ec;
    const auto host = hostPath(folder);
    if (!fs::is_directory(host, ec)) return names;
    for (const auto& entry : fs::directory_iterator(host, ec))
        if (entry.is_directory(ec)) names.push_back(wideName(entry.path().filename()));
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

std::vector<std::wstring> SimFiles::listDrives() {
    std::vector<std::wstring> drives;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(root_, ec)) {
        const auto name = wideName(entry.path().filename());
        if (entry.is_directory(ec) && name.size() == 1 && name[0] >= L'A' && name[0] <= L'Z')
            drives.push_back(name + L":\\");
    }
    std::sort(drives.begin(), drives.end());
    return drives;
}

}  // namespace wardo::platform::sim
