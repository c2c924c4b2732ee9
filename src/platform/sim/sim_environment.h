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
    struct OpenedPage {
        WindowHandle parent;
        std::wstring url;
        bool operator==(const OpenedPage&) const = default;
    };

    std::optional<std::wstring> variable(const std::wstring& name) override;
    void openWebPage(WindowHandle parent, const std::wstring& url) override {
        pages_.push_back({parent, url});
    }

    void set(const std::wstring& name, const std::wstring& value);
    void unset(const std::wstring& name);
    const std::vector<OpenedPage>& openedPages() const { return pages_; }

private:
    std::map<std::wstring, std::wstring> vars_;  // keyed by the lower-case name: Windows ignores case
    std::vector<OpenedPage> pages_;
};

}  // namespace wardo::platform::sim
