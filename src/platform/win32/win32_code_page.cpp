#include "platform/win32/win32_code_page.h"

#include <windows.h>

#include <climits>

#include "text/runtime_error.h"

namespace wardo::platform::win32 {
namespace {

int lengthOf(std::size_t n) {
    if (n > static_cast<std::size_t>(INT_MAX))
        text::fail(text::ErrorCode::Overflow, "text too long to convert");
    return static_cast<int>(n);
}

}  // namespace

// UTF-8 as the system's code page takes no flags at all.
SystemCodePage::SystemCodePage()
    : codePage_(GetACP()), encodeFlags_(codePage_ == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS) {}

std::wstring SystemCodePage::decode(std::string_view bytes) const {
    if (bytes.empty()) return {};
    // Every code page gives at most one UTF-16 unit per byte.
    std::wstring out(bytes.size(), L'\0');
    const int n = MultiByteToWideChar(codePage_, 0, bytes.data(), lengthOf(bytes.size()), out.data(),
                                      lengthOf(out.size()));
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

std::string SystemCodePage::encode(std::wstring_view text) const {
    if (text.empty()) return {};
    const int length = lengthOf(text.size());
    const int n =
        WideCharToMultiByte(codePage_, encodeFlags_, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    const int written =
        WideCharToMultiByte(codePage_, encodeFlags_, text.data(), length, out.data(), n, nullptr, nullptr);
    out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return out;
}

const SystemCodePage& systemCodePage() {
    static const SystemCodePage instance;
    return instance;
}

}  // namespace wardo::platform::win32
