// The simulated keyboard, scripted by tests: keys pressed, released, or tapped between two queries,
// read as the program reads a key (down now, or pressed since the previous query of that key).
#pragma once
#include <map>

namespace wardo::platform::sim {

class SimKeyboard {
public:
    void press(int virtualKey);    // goes down (a key already down stays as it is)
    void release(int virtualKey);  // goes up
    void tap(int virtualKey);      // down and up again before the next query

    // The program's query: down now or pressed since the previous query of this key; the query
    // forgets the press.
    bool query(int virtualKey);

private:
    struct Key {
        bool down = false;
        bool pressedSinceQuery = false;
    };
    std::map<int, Key> keys_;
};

}  // namespace wardo::platform::sim
