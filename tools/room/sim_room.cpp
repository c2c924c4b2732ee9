#include "tools/room/sim_room.h"

#include "text/text.h"

namespace wardo::room {

using platform::kStyleVisible;
using platform::sim::Rect;

namespace {

constexpr std::uint32_t kChild = 0x40000000 | kStyleVisible;  // WS_CHILD | WS_VISIBLE

}  // namespace

SimRoom::SimRoom(platform::sim::SimWindowSystem& windows, platform::sim::SimEventLoop& loop,
                 SimRoomOptions options)
    : ws_(windows), model_(std::make_unique<RoomModel>()) {
    model_->clock = [&loop] { return text::left(loop.timeOfDay(), 5); };
    model_->nowMs = [&loop] { return loop.nowMs(); };
    model_->onChange = [this] { refresh(); };
    build(options);
    refresh();
}

SimRoom::~SimRoom() {
    ws_.destroy(browser_);
}

WindowHandle SimRoom::button(int position) const {
    if (position < 1 || position > static_cast<int>(buttons_.size())) return 0;
    return buttons_[static_cast<std::size_t>(position - 1)];
}

// The browser's 5th child, its 2nd child, then the first child four times. Siblings after each step
// make a walk that takes a wrong turn land somewhere else.
void SimRoom::build(const SimRoomOptions& o) {
    const Rect whole{100, 100, 900, 700};
    browser_ = ws_.create(ws_.desktop(), o.browserClass, o.title, o.visible ? kStyleVisible : 0);
    ws_.setRect(browser_, whole);
    if (!o.withPath) return;

    auto child = [&](WindowHandle parent, const char* cls) {
        WindowHandle h = ws_.create(parent, cls, "", kChild);
        ws_.setRect(h, whole);
        return h;
    };
    for (const char* cls : {"Toolbar", "AddressBar", "StatusBar", "TabRow"}) {
        ws_.create(browser_, cls, "", kChild);
    }
    WindowHandle w = child(browser_, "DocHost");
    ws_.create(browser_, "Spare", "", kChild);
    ws_.create(w, "Spare", "", kChild);
    WindowHandle level = child(w, "View");
    ws_.create(w, "Spare", "", kChild);
    for (const char* cls : {"Embedding", "Plugin", "Holder"}) {
        WindowHandle next = child(level, cls);
        ws_.create(level, "Spare", "", kChild);
        level = next;
    }
    panel_ = ws_.create(level, "ChatPanel", "", kChild);
    ws_.create(level, "Spare", "", kChild);
    ws_.setRect(panel_, Rect{110, 150, 890, 690});

    if (o.withTextPane) {
        text_ = ws_.create(panel_, "RichEdit20W", "", kChild);
        ws_.setRect(text_, Rect{120, 160, 880, 560});
        // The pane's text is read twice per poll (length, then text): convert it once per change.
        ws_.hooks(text_).textView = [this]() -> std::string_view {
            if (textStale_) {
                ansiText_ = text::toAnsi(model_->text());
                textStale_ = false;
            }
            return ansiText_;
        };
        ws_.hooks(text_).onSetText = [](const std::string&) {};  // read-only pane
    }
    if (o.withInputLine) {
        input_ = ws_.create(panel_, "Edit", "", kChild);
        ws_.setRect(input_, Rect{120, 570, 700, 600});
        ws_.hooks(input_).text = [this] { return text::toAnsi(model_->input()); };
        ws_.hooks(input_).onSetText = [this](const std::string& s) { model_->setInput(text::fromAnsi(s)); };
    }
    for (int i = 1; i <= o.buttons; ++i) {
        WindowHandle b = ws_.create(panel_, "Button", "", kChild);
        ws_.setRect(b, Rect{120 + (i - 1) * 80, 620, 190 + (i - 1) * 80, 650});
        buttons_.push_back(b);
        hostButton(b, i);
    }
    // The client runs beside the program: a slow press lands when its time has come, whether or not
    // the program pumps events meanwhile.
    if (WindowHandle mic = micButton())
        ws_.hooks(mic).enabled = [this] {
            model_->settle();
            return model_->micButtonEnabled();
        };
    if (WindowHandle mic2 = mic2Button())
        ws_.hooks(mic2).enabled = [this] {
            model_->settle();
            return model_->mic2ButtonEnabled();
        };
}

// A button clicks when the mouse goes up after going down on it, as a real button does.
void SimRoom::hostButton(WindowHandle b, int position) {
    auto pressed = std::make_shared<bool>(false);
    ws_.hooks(b).onMouseDown = [pressed] { *pressed = true; };
    ws_.hooks(b).onMouseUp = [this, pressed, position] {
        if (!*pressed) return;
        *pressed = false;
        if (position == 1) {
            model_->pressSend();
        } else if (position == 8) {
            model_->pressMic();
        } else {
            ++otherPresses_;
        }
    };
}

void SimRoom::refresh() {
    textStale_ = true;
    ws_.setEnabled(micButton(), model_->micButtonEnabled());
    ws_.setEnabled(mic2Button(), model_->mic2ButtonEnabled());
}

}  // namespace wardo::room
