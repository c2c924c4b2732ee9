// Owners of Win32 handles: each handle is released exactly once, when its owner goes out of scope.
#pragma once
#include <windows.h>

#include <utility>

namespace wardo::platform::win32 {

template <typename Handle, typename Release, Handle Empty = Handle{}>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle h) : h_(h) {}
    ~Scoped() { reset(); }
    Scoped(Scoped&& other) noexcept : h_(other.release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Empty; }
    Handle release() { return std::exchange(h_, Empty); }
    void reset(Handle h = Empty) {
        if (h_ != Empty) Release{}(h_);
        h_ = h;
    }

private:
    Handle h_ = Empty;
};

struct DestroyWindowRelease {
    void operator()(HWND h) const { DestroyWindow(h); }
};
struct CloseHandleRelease {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct UnhookRelease {
    void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};
struct FreeLibraryRelease {
    void operator()(HMODULE h) const { FreeLibrary(h); }
};
struct DeleteObjectRelease {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};

using ScopedWindow = Scoped<HWND, DestroyWindowRelease>;
// Kernel handles where 0 means none (processes, threads, events); file handles use INVALID_HANDLE_VALUE.
using ScopedKernelHandle = Scoped<HANDLE, CloseHandleRelease>;
using ScopedHook = Scoped<HHOOK, UnhookRelease>;
using ScopedLibrary = Scoped<HMODULE, FreeLibraryRelease>;
using ScopedGdiObject = Scoped<HGDIOBJ, DeleteObjectRelease>;

}  // namespace wardo::platform::win32
