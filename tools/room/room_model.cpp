#include "tools/room/room_model.h"

namespace wardo::room {

void RoomModel::changed() {
    if (onChange) onChange();
}

void RoomModel::setInput(Text line) {
    input_ = std::move(line);
    changed();
}

void RoomModel::pressSend() {
    ++sendPresses_;
    if (input_.empty()) return;
    Text line = std::move(input_);
    input_.clear();
    if (showsUserLines)
        say(nick_, line);
    else
        changed();
}

void RoomModel::join(const Text& nick) {
    notice(L"Rejoint la salle : " + nick);
}

void RoomModel::say(const Text& nick, const Text& line) {
    notice(L"(" + clock() + L") " + nick + L" : " + line);
}

void RoomModel::notice(const Text& line) {
    appendRaw(line + L"\r\n");
}

void RoomModel::appendRaw(const Text& raw) {
    text_ += raw;
    changed();
}

void RoomModel::clear() {
    text_.clear();
    changed();
}

void RoomModel::pressMic() {
    ++micPresses_;
    if (micDelayMs > 0 || !pendingPresses_.empty()) {
        pendingPresses_.push_back(nowMs() + micDelayMs);
        settle();
        return;
    }
    applyMicPress();
}

// The room decides when the press reaches it: refused, or taken by another member meanwhile.
void RoomModel::applyMicPress() {
    if (refuseMic || mic_ == Mic::Other) return;
    mic_ = mic_ == Mic::Free ? Mic::User : Mic::Free;
    changed();
}

void RoomModel::settle() {
    const std::int64_t now = nowMs();
    while (!pendingPresses_.empty() && pendingPresses_.front() <= now) {
        pendingPresses_.pop_front();
        applyMicPress();
    }
}

std::optional<std::int64_t> RoomModel::nextPressDueMs() const {
    if (pendingPresses_.empty()) return std::nullopt;
    return pendingPresses_.front();
}

void RoomModel::otherTakesMic() {
    mic_ = Mic::Other;
    changed();
}

void RoomModel::otherReleasesMic() {
    mic_ = Mic::Free;
    changed();
}

}  // namespace wardo::room
