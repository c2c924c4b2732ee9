// The environment of the simulated desktop: variables set by the test, web pages the program opened.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace wardo::platform::sim {

class SimEnvironment : public Environment {
public:
    std::optional<std::wstring> variable(const std::wstring& name) override;
    void openWebPage(const std::wstring& url) override { pages_.push_back(url); }

    void set(const std::wstring& name, const std::wstring& value);
    void unset(const std::wstring& name);
    const std::vector<std::wstring>& openedPages() const { return pages_; }

private:
    std::map<std::wstring, std::wstring> vars_;  // keyed by the lower-case name: Windows ignores case
    std::vector<std::wstring> pages_;
};

}  // namespace wardo::platform::sim
