// MD5 through the system's cryptography provider (BCrypt).
#pragma once
#include "platform/files.h"

namespace wardo::platform::win32 {

class Win32Digest final : public Digest {
public:
    std::string md5Hex(const std::string& bytes) override;
};

}  // namespace wardo::platform::win32
