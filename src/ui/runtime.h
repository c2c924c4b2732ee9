// The controls runtime of one run of the program: the platform, the binding and the forms that exist.
#pragma once
#include <algorithm>
#include <vector>

#include "platform/platform.h"
#include "ui/form_host.h"

namespace wardo::ui {

class Form;

// The platform and the host must outlive the runtime and every form built on it: forms tell the host
// when they and their controls go away.
class Runtime {
public:
    Runtime(platform::Platform& platform, FormHost& host) : platform_(platform), host_(host) {}
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    platform::Platform& platform() { return platform_; }
    FormHost& host() { return host_; }

    // Every form object, in construction order, loaded or not.
    const std::vector<Form*>& forms() const { return forms_; }
    // Forms shown modally whose Show has not returned yet, the innermost last.
    const std::vector<Form*>& modalForms() const { return modal_; }

private:
    friend class Form;
    void add(Form* f) { forms_.push_back(f); }
    void remove(Form* f) {
        std::erase(forms_, f);
        std::erase(modal_, f);
    }

    platform::Platform& platform_;
    FormHost& host_;
    std::vector<Form*> forms_;
    std::vector<Form*> modal_;
};

}  // namespace wardo::ui
