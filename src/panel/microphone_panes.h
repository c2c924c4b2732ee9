// The panes of the room's microphone: the push-to-talk key shown and chosen, and the notice that a
// sound waits for the microphone.
#pragma once
#include "ui/control_array.h"
#include "ui/ui.h"

namespace wardo::panel {

class MicrophonePanes {
public:
    explicit MicrophonePanes(ui::Form& form) : f_(form) {}

private:
    ui::Form& f_;

public:
    ui::Frame FrameIndicationToucheMicro{f_, L"FrameIndicationToucheMicro"};
    ui::Label LabelIndicationMicro{f_, L"LabelIndicationMicro"};  // what the key is for
    ui::Label Label80{f_, L"Label80"};
    ui::ControlArray<ui::Picture> touchemicencours{f_, L"touchemicencours", 1, 6};
    ui::CheckBox AvecOuSansBip{f_, L"AvecOuSansBip"};
    ui::Button Jeveuxlachanger{f_, L"Jeveuxlachanger"};
    ui::Button cestbon{f_, L"cestbon"};

    ui::Frame FrameChoixToucheMicro{f_, L"FrameChoixToucheMicro"};
    // The title, the instruction and what the key is for.
    ui::ControlArray<ui::Label> LabelChoixMicro{f_, L"LabelChoixMicro", 0, 2};
    // A key's border lies under its picture, a little larger: showing it frames the key.
    ui::ControlArray<ui::Label> bordimage{f_, L"bordimage", 1, 6};
    ui::ControlArray<ui::Picture> ImageTouche{f_, L"ImageTouche", 1, 6};
    ui::Button validetouchemicro{f_, L"validetouchemicro"};
    ui::Button pasdetouchemicro{f_, L"pasdetouchemicro"};
    ui::Label Label4{f_, L"Label4"};  // a small area that opens a web page

    ui::Frame Frame2{f_, L"Frame2"};
    ui::Label Label69{f_, L"Label69"};
    ui::Button annuleremissionson{f_, L"annuleremissionson"};
    ui::Label Label70{f_, L"Label70"};

protected:
    void designMicrophonePanes();
};

}  // namespace wardo::panel
