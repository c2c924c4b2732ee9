#include "platform/win32/win32_digest.h"

#include <windows.h>
// after windows.h, which it needs
#include <bcrypt.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace wardo::platform::win32 {
namespace {

struct AlgorithmRelease {
    void operator()(void* h) const { BCryptCloseAlgorithmProvider(h, 0); }
};
struct HashRelease {
    void operator()(void* h) const { BCryptDestroyHash(h); }
};

}  // namespace

std::string Win32Digest::md5Hex(const std::string& bytes) {
    BCRYPT_ALG_HANDLE rawAlgorithm = nullptr;
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&rawAlgorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0)))
        throw std::runtime_error("MD5 unavailable");
    const std::unique_ptr<void, AlgorithmRelease> algorithm(rawAlgorithm);

    BCRYPT_HASH_HANDLE rawHash = nullptr;
    if (!BCRYPT_SUCCESS(BCryptCreateHash(rawAlgorithm, &rawHash, nullptr, 0, nullptr, 0, 0)))
        throw std::runtime_error("MD5 unavailable");
    const std::unique_ptr<void, HashRelease> hash(rawHash);

    size_t done = 0;
    do {  // BCryptHashData takes at most a ULONG at a time
        const ULONG chunk = static_cast<ULONG>(std::min<size_t>(bytes.size() - done, 1u << 30));
        auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + done));
        if (!BCRYPT_SUCCESS(BCryptHashData(rawHash, data, chunk, 0))) throw std::runtime_error("MD5 failed");
        done += chunk;
    } while (done < bytes.size());

    UCHAR digest[16];
    if (!BCRYPT_SUCCESS(BCryptFinishHash(rawHash, digest, sizeof digest, 0)))
        throw std::runtime_error("MD5 failed");
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (UCHAR b : digest) {
        hex.push_back(kHex[b >> 4]);
        hex.push_back(kHex[b & 15]);
    }
    return hex;
}

}  // namespace wardo::platform::win32
