// MD5 on the simulated desktop, computed with OpenSSL.
#pragma once
#include <string>

#include "platform/files.h"

namespace wardo::platform::sim {

class SimDigest : public Digest {
public:
    std::string md5Hex(const std::string& bytes) override;

    // While set, every digest fails as the system's does when its provider is unavailable.
    bool failing = false;
};

}  // namespace wardo::platform::sim
