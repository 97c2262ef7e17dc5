// The game's handlers never interrupt one another. A message box runs an
// event loop of its own, in which the timers still fall due; a tick that
// falls due while a handler is running waits until that handler (and every
// handler it was called from) has finished, and is delivered then.
#pragma once

#include <functional>

namespace mepo {

// Marks a handler as running for as long as it lives. The toolkit opens one
// around every event it hands to the game: a menu click, a press or release
// on a picture box, a timer tick.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

    // True while some handler is running.
    static bool active();
    // Runs work once no handler is running any more, in the order asked,
    // each in a scope of its own. Only meaningful while active().
    static void whenIdle(std::function<void()> work);
};

}  // namespace mepo
