// What the two drag-and-drop pickers share: the user presses the mouse on the picker, drags the hand
// over the room's chat panel and releases it there; the window under the mouse at the last tick of the
// timer is taken as the chat panel and its controls are searched as the automatic attach does.
#pragma once
#include "app/program.h"
#include "ui/basic_controls.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace wardo::chatlink {

class Picker : public ui::Form {
public:
    ui::Label Label1;  // the instructions; a press on them starts a drag as a press on the window does
    ui::Timer Timer1;  // records the window under the cursor

protected:
    Picker(app::Program& program, text::Text name);

    void design() override;
    void onActivate() override;
    void onUnload(bool& cancel) override;
    // The release found the room's controls and stored them; `onLabel` tells where it happened.
    virtual void attached(bool onLabel) = 0;

    // The instructions, with where to press and who connects by itself.
    static text::Text consigne(const text::Text& ouAppuyer, const text::Text& quiSeConnecte);

    app::Program& program_;

private:
    void press();
    void Timer1_Timer();
    void release(bool onLabel);
};

}  // namespace wardo::chatlink
