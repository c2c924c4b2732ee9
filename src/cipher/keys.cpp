// The character codes of the two fixed keys.
#include "cipher/keys.h"

#include <array>

namespace wardo::cipher {

namespace {

constexpr std::array<int, 20> kCodesCleTexte = {77, 67, 51, 84, 113, 70, 74,  37,  64,  65,
                                                74, 66, 51, 90, 120, 42, 111, 113, 117, 78};
constexpr std::array<int, 21> kCodesCleLiaison = {111, 69, 38, 57,  43, 116, 118, 101, 114, 110, 111,
                                                  119, 87, 77, 119, 42, 81,  87,  88,  71,  77};

template <std::size_t N>
text::Text assemble(const std::array<int, N>& codes) {
    text::Text key;
    key.reserve(N);
    for (int code : codes) key.push_back(static_cast<wchar_t>(code));
    return key;
}

}  // namespace

text::Text CleTexte() {
    return assemble(kCodesCleTexte);
}

text::Text CleLiaison() {
    return assemble(kCodesCleLiaison);
}

}  // namespace wardo::cipher
