// Message boxes shown over the panel: the box's top-left corner goes on the title image's top-left
// corner, wherever the user has dragged the panel, and the box stands above the panel.
#include <algorithm>
#include <cmath>

#include "panel/reglages.h"

namespace wardo::panel {

namespace {

// The whole part, rounded down also for a place off the screen's left or top edge.
int floorDiv(int twips, int twipsPerPixel) {
    return static_cast<int>(std::floor(static_cast<double>(twips) / std::max(1, twipsPerPixel)));
}

}  // namespace

int Reglages::AfficheMSGBox2(const Text& Message, int flag, const Text& titre) {
    try {
        const auto& screen = platform().screen;
        PositionBoiteX = floorDiv(left() + menuco.left(), screen.twipsPerPixelX);
        PositionBoiteY = floorDiv(top() + menuco.top(), screen.twipsPerPixelY);
        const platform::Point at{PositionBoiteX, PositionBoiteY};
        // Owned by the panel, the box stands above it even while the user works in the room's window.
        return platform().boxes.showStyled(Message, titre, flag, &at, handle());
    } catch (const text::RuntimeError&) {
        return platform::box::kNoBox;  // ends quietly: no box
    }
}

void Reglages::AfficheMSGBox(const Text& Message, const Text& titre) {
    AfficheMSGBox2(Message, platform::box::kOk, titre);
}

}  // namespace wardo::panel
