// Fuzzes reading a stored value back: the first byte gives a key length (0 to 32), that many bytes are the
// key, the rest is the stored text. Checks the bounds of what comes back, and the round trips.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cipher/crypt_text.h"

using wardo::text::Text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t keyLength = std::min<std::size_t>(data[0] % 33, size - 1);
    const std::string keyBytes(reinterpret_cast<const char*>(data + 1), keyLength);
    const std::string storedBytes(reinterpret_cast<const char*>(data + 1 + keyLength), size - 1 - keyLength);
    const Text key = wardo::text::fromAnsi(keyBytes);
    const Text stored = wardo::text::fromAnsi(storedBytes);

    const Text cipherText = wardo::cipher::HexVersTexte(stored);
    if (cipherText.size() != (stored.size() + 1) / 2) std::abort();
    const Text plain = wardo::cipher::DecrypteTexte(cipherText, key);
    if (!plain.empty() && (cipherText.size() % 32 != 0 || plain.size() > cipherText.size() - 4)) std::abort();

    if (wardo::cipher::HexVersTexte(wardo::cipher::TexteVersHex(cipherText, nullptr)) != cipherText)
        std::abort();
    if (!cipherText.empty() &&
        wardo::cipher::DecrypteTexte(wardo::cipher::CrypteTexte(cipherText, key), key) != cipherText)
        std::abort();
    return 0;
}
