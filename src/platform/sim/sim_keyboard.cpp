#include "platform/sim/sim_keyboard.h"

namespace wardo::platform::sim {

void SimKeyboard::press(int virtualKey) {
    Key& k = keys_[virtualKey];
    if (!k.down) k.pressedSinceQuery = true;
    k.down = true;
}

void SimKeyboard::release(int virtualKey) {
    keys_[virtualKey].down = false;
}

void SimKeyboard::tap(int virtualKey) {
    press(virtualKey);
    release(virtualKey);
}

bool SimKeyboard::query(int virtualKey) {
    const auto it = keys_.find(virtualKey);
    if (it == keys_.end()) return false;
    const bool reads = it->second.down || it->second.pressedSinceQuery;
    it->second.pressedSinceQuery = false;
    return reads;
}

}  // namespace wardo::platform::sim
