// A portable model of the chat room as its window shows it: the room's text, the input line, the send
// button and the two microphone buttons. The simulated desktop and the Win32 room simulator both host it.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace wardo::room {

using Text = std::wstring;

class RoomModel {
public:
    enum class Mic { Free, User, Other };

    explicit RoomModel(Text userNick = L"Moderateur") : nick_(std::move(userNick)) {}

    // "HH:MM" for the time stamps of spoken lines; the host sets it (virtual or real clock).
    std::function<Text()> clock = [] { return Text(L"12:00"); };
    // Called after every change, so that a host can refresh its windows.
    std::function<void()> onChange;

    const Text& nick() const { return nick_; }
    void setNick(Text nick) { nick_ = std::move(nick); }

    // The whole text of the room's text pane: lines ended by CR LF.
    const Text& text() const { return text_; }
    const Text& input() const { return input_; }
    void setInput(Text line);

    // The send button: the input line is spoken by the user as "(HH:MM) nick : line" and cleared.
    // An empty input line sends nothing, as the chat client does.
    void pressSend();
    int sendPresses() const { return sendPresses_; }

    // What other members and the room do.
    void join(const Text& nick);                   // "Rejoint la salle : nick"
    void say(const Text& nick, const Text& line);  // "(HH:MM) nick : line"
    void notice(const Text& line);                 // the line as it stands
    void appendRaw(const Text& raw);               // exact characters, no line break added
    void clear();

    // Microphone buttons: both enabled while the microphone is free; while the user talks only the
    // talk button stays enabled (pressing it again releases); while another member talks both are off.
    Mic mic() const { return mic_; }
    bool micButtonEnabled() const { return mic_ != Mic::Other; }
    bool mic2ButtonEnabled() const { return mic_ == Mic::Free; }
    // A press of the talk button; with a slow server it takes effect micDelayMs later.
    void pressMic();
    int micPresses() const { return micPresses_; }
    // A room whose server is slow: each press of the talk button takes effect this long after it, in
    // the order made (0: at once). The host gives the clock and calls settle() before it shows the
    // buttons; nextPressDueMs() tells it when to look again.
    int micDelayMs = 0;
    std::function<std::int64_t()> nowMs = [] { return std::int64_t{0}; };
    void settle();
    std::optional<std::int64_t> nextPressDueMs() const;
    void otherTakesMic();
    void otherReleasesMic();
    // A room whose server is slow: what the user sends leaves the input line but is not shown yet.
    bool showsUserLines = true;
    // A room that ignores the talk button (the server refuses the microphone).
    bool refuseMic = false;

private:
    void changed();
    void applyMicPress();

    Text nick_;
    Text text_;
    Text input_;
    Mic mic_ = Mic::Free;
    int sendPresses_ = 0;
    int micPresses_ = 0;
    std::deque<std::int64_t> pendingPresses_;  // due times, oldest first
};

}  // namespace wardo::room
