// Fuzzes the reading of the robot's nickname from a hostile room text: any text and phrase end in a
// nickname or in the program's own run-time error, never in a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "chatlink/identification.h"

using wardo::text::Text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t phraseLength = std::min<std::size_t>(data[0] % 16, size - 1);
    const Text phrase =
        wardo::text::fromAnsi(std::string(reinterpret_cast<const char*>(data + 1), phraseLength));
    const Text room = wardo::text::fromAnsi(
        std::string(reinterpret_cast<const char*>(data + 1 + phraseLength), size - 1 - phraseLength));
    Text nickname;
    try {
        wardo::chatlink::ExtraitPseudo(wardo::text::splitCrLf(room), phrase, nickname);
    } catch (const wardo::text::RuntimeError&) {
    }
    return 0;
}
