#include "tools/room/win32/room_options.h"

namespace wardo::room {
namespace {

std::optional<int> smallNumber(const Text& s) {
    if (s.empty() || s.size() > 3) return std::nullopt;
    int n = 0;
    for (wchar_t c : s) {
        if (c < L'0' || c > L'9') return std::nullopt;
        n = n * 10 + (c - L'0');
    }
    return n;
}

}  // namespace

std::optional<RoomOptions> parseRoomOptions(const std::vector<Text>& args, Text& error) {
    RoomOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Text& name = args[i];
        if (name == L"--no-control") {
            options.controlWindow = false;
            continue;
        }
        if (name != L"--title" && name != L"--nick" && name != L"--buttons" && name != L"--class") {
            error = L"option inconnue : " + name;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = L"valeur manquante après " + name;
            return std::nullopt;
        }
        const Text& value = args[++i];
        if (name == L"--buttons") {
            const auto n = smallNumber(value);
            if (!n || *n < 1 || *n > 20) {
                error = L"--buttons attend un nombre de 1 à 20";
                return std::nullopt;
            }
            options.buttons = *n;
        } else if (value.empty()) {
            error = name + L" attend un texte non vide";
            return std::nullopt;
        } else if (name == L"--title") {
            options.title = value;
        } else if (name == L"--class") {
            options.browserClass = value;
        } else {
            options.nick = value;
        }
    }
    return options;
}

}  // namespace wardo::room
