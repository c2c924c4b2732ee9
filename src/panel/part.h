// A subsystem's share of the panel: it wires the panel's events that it owns in its constructor and
// keeps their procedures and state. Parts are made with the panel, in registerParts, and live as long
// as the panel object (its variables outlive an unload, as the panel's own do).
#pragma once

namespace wardo::app {
class Program;
}

namespace wardo::panel {

class Reglages;

class Part {
public:
    virtual ~Part() = default;
};

// The one registration point: creates every subsystem's part of the panel.
void registerParts(Reglages& panel, app::Program& program);

}  // namespace wardo::panel
