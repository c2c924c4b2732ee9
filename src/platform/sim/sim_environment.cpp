#include "platform/sim/sim_environment.h"

#include "text/text.h"

namespace wardo::platform::sim {

std::optional<std::wstring> SimEnvironment::variable(const std::wstring& name) {
    const auto it = vars_.find(text::lower(name));
    if (it == vars_.end()) return std::nullopt;
    return it->second;
}

void SimEnvironment::set(const std::wstring& name, const std::wstring& value) {
    vars_[text::lower(name)] = value;
}

void SimEnvironment::unset(const std::wstring& name) {
    vars_.erase(text::lower(name));
}

}  // namespace wardo::platform::sim
