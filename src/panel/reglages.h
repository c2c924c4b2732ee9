// The control panel. For now it holds the robot's nickname and the display of the room's chat handles.
#pragma once
#include "app/program.h"
#include "ui/basic_controls.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace wardo::panel {

class Reglages : public ui::Form {
public:
    explicit Reglages(app::Program& program);

    ui::Label pseudomodo;
    // The handle display: 0 is the header, 1-6 the handles found now, 7-12 those stored at the attach.
    ui::ControlArray<ui::Label> Label78;
    ui::ControlArray<ui::Label> Label79;  // row titles

protected:
    void design() override;
    // The panel is never unloaded: closing it ends the program.
    void onUnload(bool& cancel) override;

private:
    app::Program& program_;
};

}  // namespace wardo::panel
