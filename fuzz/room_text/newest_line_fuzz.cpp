// Fuzzes the poller's read of a hostile room text: the newest complete line found from the end of the
// text must be the one that splitting the whole converted text gives, as the pane hands it over (the
// text, then its terminator, in a buffer one character longer than the text).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "monitor/room_text_reader.h"

using wardo::text::Text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view pane(reinterpret_cast<const char*>(data), size);
    const auto found = wardo::monitor::DerniereLigneComplete(pane);

    const auto lines = wardo::text::splitCrLf(wardo::text::fromAnsi(pane) + L'\0');
    const long last = static_cast<long>(lines.size()) - 1;
    if (last < 1) {
        if (found) std::abort();
        return 0;
    }
    if (!found || wardo::text::fromAnsi(*found) != lines[static_cast<std::size_t>(last - 1)]) std::abort();
    return 0;
}
