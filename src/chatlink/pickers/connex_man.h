// The picker that the start-up window opens, modally, when its automatic attach fails; it is then the
// program's only window on screen.
#pragma once
#include "chatlink/pickers/picker.h"

namespace wardo::chatlink {

class ConnexMan : public Picker {
public:
    explicit ConnexMan(app::Program& program) : Picker(program, L"ConnexMan") {}

protected:
    void design() override;
    void attached(bool onLabel) override;
};

}  // namespace wardo::chatlink
