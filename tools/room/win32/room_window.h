// The room's browser window as the robot finds it: a top-level "IEFrame" (unless the options name another
// class) whose chat panel lies at a fixed path (5th child, its 2nd child, then the first child four
// times) and holds, as direct children in this order, the text pane "RichEdit20W", the input line
// "Edit" and the "Button"s (1st send, 8th and 9th microphone). The controls mirror the room model.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/scoped_win.h"
#include "tools/room/room_model.h"
#include "tools/room/win32/rich_text_feed.h"
#include "tools/room/win32/room_options.h"
#include "tools/room/win32/room_script.h"

namespace wardo::room {

class RoomWindow {
public:
    RoomWindow(RoomModel& model, const RoomOptions& options);
    RoomWindow(const RoomWindow&) = delete;
    RoomWindow& operator=(const RoomWindow&) = delete;

    HWND frame() const { return frame_.get(); }
    HWND panel() const { return panel_; }
    // Runs one command of the protocol and shows its effect.
    CommandOutcome run(const Text& command);

private:
    static LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT onCopyData(const COPYDATASTRUCT& data);
    void onButton(std::size_t index);
    void armSlowPress();
    void paintPanel(HWND hwnd);
    void buildTree(const RoomOptions& options);
    void refresh();

    RoomModel& model_;
    Text title_;
    platform::win32::ScopedLibrary richEdit_;
    platform::win32::ScopedWindow frame_;
    HWND panel_ = nullptr;
    HWND textPane_ = nullptr;
    HWND inputLine_ = nullptr;
    std::vector<HWND> buttons_;
    std::unique_ptr<RichTextFeed> feed_;
};

}  // namespace wardo::room
