#include "tools/room/win32/room_script.h"

#include "tools/room/win32/decimal_digits.h"
#include "tools/room/win32/room_protocol.h"

namespace wardo::room {
namespace {

// The first word and the rest after one blank.
std::pair<Text, Text> splitWord(const Text& s) {
    const auto blank = s.find(L' ');
    if (blank == Text::npos) return {s, Text()};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

CommandOutcome answer(std::intptr_t value) {
    CommandOutcome out;
    out.answer = value;
    return out;
}
CommandOutcome done() {
    return answer(kRoomDone);
}
CommandOutcome refused() {
    return answer(kRoomRefused);
}

}  // namespace

CommandOutcome runRoomCommand(RoomModel& model, const Text& command) {
    const auto [verb, rest] = splitWord(command);
    if (verb == L"join" && !rest.empty()) {
        model.join(rest);
        return done();
    }
    if (verb == L"say") {
        const auto [nick, line] = splitWord(rest);
        if (nick.empty()) return refused();
        model.say(nick, line);
        return done();
    }
    if (verb == L"notice") {
        model.notice(rest);
        return done();
    }
    if (verb == L"raw") {
        model.appendRaw(rest);
        return done();
    }
    if (verb == L"input") {
        model.setInput(rest);
        CommandOutcome out = done();
        out.inputLine = rest;
        return out;
    }
    if (verb == L"mic" && (rest == L"other" || rest == L"free")) {
        if (rest == L"other")
            model.otherTakesMic();
        else
            model.otherReleasesMic();
        return done();
    }
    if (verb == L"mic" && rest.rfind(L"delay ", 0) == 0) {
        const auto ms = decimalDigits(rest.substr(6), 5);
        if (!ms || *ms > 60000) return refused();
        model.micDelayMs = *ms;
        return done();
    }
    if (verb == L"refuse" && (rest == L"on" || rest == L"off")) {
        model.refuseMic = rest == L"on";
        return done();
    }
    if (verb == L"nick" && !rest.empty()) {
        model.setNick(rest);
        return done();
    }
    if (verb == L"clear" && rest.empty()) {
        model.clear();
        CommandOutcome out = done();
        out.cleared = true;
        return out;
    }
    if (verb == L"count" && (rest == L"send" || rest == L"mic"))
        return answer(rest == L"send" ? model.sendPresses() : model.micPresses());
    if (verb == L"pending" && rest.empty()) {
        CommandOutcome out = answer(0);
        out.query = true;
        return out;
    }
    if (verb == L"quit" && rest.empty()) {
        CommandOutcome out = done();
        out.quit = true;
        return out;
    }
    return refused();
}

}  // namespace wardo::room
