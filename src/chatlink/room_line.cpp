#include "chatlink/room_line.h"

namespace wardo::chatlink {

void RetireGroupe(text::Text& ligne) {
    const long a = text::find(ligne, L"(");
    const long c = text::find(ligne, L")");
    if (a == 0 || c == 0) return;
    const long longueur = c - a + 2;
    if (longueur < 0) text::fail(text::ErrorCode::InvalidCall, "bracket group of negative length");
    ligne = text::replaceAll(ligne, text::mid(ligne, a, longueur), L"");
}

}  // namespace wardo::chatlink
