// The room hosted on the simulated desktop: the browser window, the path of windows down to the chat
// panel, and the panel's controls, all driven by a RoomModel.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_window_system.h"
#include "tools/room/room_model.h"

namespace wardo::room {

using platform::WindowHandle;

struct SimRoomOptions {
    std::string browserClass = "IEFrame";
    std::string title = "Salle de discussion";  // ANSI
    bool visible = true;
    bool withPath = true;       // false: the browser window has no children at all
    bool withTextPane = true;   // the "RichEdit20W"
    bool withInputLine = true;  // the "Edit"
    int buttons = 9;            // "Button" children of the panel; the 1st sends, the 8th and 9th talk
};

class SimRoom {
public:
    SimRoom(platform::sim::SimWindowSystem& windows, platform::sim::SimEventLoop& loop,
            SimRoomOptions options = {});
    explicit SimRoom(platform::sim::SimDesktop& desk, SimRoomOptions options = {})
        : SimRoom(desk.windows, desk.loop, std::move(options)) {}
    ~SimRoom();  // takes its windows off the desktop
    SimRoom(const SimRoom&) = delete;
    SimRoom& operator=(const SimRoom&) = delete;

    RoomModel& model() { return *model_; }

    WindowHandle browser() const { return browser_; }
    WindowHandle panel() const { return panel_; }
    WindowHandle textPane() const { return text_; }
    WindowHandle inputLine() const { return input_; }
    WindowHandle button(int position) const;  // from 1; 0 when absent
    WindowHandle sendButton() const { return button(1); }
    WindowHandle micButton() const { return button(8); }
    WindowHandle mic2Button() const { return button(9); }
    // Presses of buttons other than send and the 8th: counted, nothing else happens.
    int otherPresses() const { return otherPresses_; }

private:
    void build(const SimRoomOptions& o);
    void refresh();
    void hostButton(WindowHandle b, int position);

    platform::sim::SimWindowSystem& ws_;
    std::unique_ptr<RoomModel> model_;
    WindowHandle browser_ = 0;
    WindowHandle panel_ = 0;
    WindowHandle text_ = 0;
    WindowHandle input_ = 0;
    std::vector<WindowHandle> buttons_;
    int otherPresses_ = 0;
    std::string ansiText_;  // the model's text in the ANSI code page, as the pane gives it
    bool textStale_ = true;
};

}  // namespace wardo::room
