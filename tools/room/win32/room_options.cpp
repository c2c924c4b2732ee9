#include "tools/room/win32/room_options.h"

#include "tools/room/win32/decimal_digits.h"

namespace wardo::room {

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
            const auto n = decimalDigits(value, 3);
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
