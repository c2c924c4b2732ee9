#include "platform/sim/sim_code_page.h"

#include "text/utf8.h"

namespace wardo::platform::sim {
namespace {

class Utf8 final : public text::AnsiCodePage {
public:
    std::wstring decode(std::string_view bytes) const override { return text::fromUtf8(bytes); }
    std::string encode(std::wstring_view text) const override { return text::toUtf8(text); }
};

const Utf8 kUtf8;

}  // namespace

const text::AnsiCodePage& utf8CodePage() {
    return kUtf8;
}

}  // namespace wardo::platform::sim
