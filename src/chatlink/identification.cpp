#include "chatlink/identification.h"

#include "chatlink/room_line.h"

namespace wardo::chatlink {

using text::Text;

void ExtraitPseudo(const std::vector<Text>& lines, const Text& phrase, Text& pseudoRobot) {
    const long last = static_cast<long>(lines.size()) - 1;
    for (long i = 0; i <= last - 1; ++i) {
        Text line = lines[static_cast<size_t>(i)];
        if (text::find(line, phrase) == 0) continue;
        RetireGroupe(line);
        const long p = text::find(line, L":");
        pseudoRobot = text::trim(text::left(line, p - 1));
    }
}

}  // namespace wardo::chatlink
