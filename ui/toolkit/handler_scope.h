// The game's handlers never interrupt one another. A message box runs an
// event loop of its own, in which the timers still fall due; a tick that
// falls due while a handler is running waits until that handler (and every
// handler it was called from) has finished, and is delivered then.
//
// The window's own deferred requests (its new size and place, and whatever
// the desktop's answer makes it do later) keep the same rule, so that a
// message box never sees its window hidden, resized or moved under it.
#pragma once

#include <QObject>
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
    // Runs work from the event loop, at the first moment when no handler is
    // running and no modal box is open (never inside the event, a menu's
    // click for one, that asked for it). Dropped if context goes first.
    static void whenQuiet(QObject* context, std::function<void()> work);
};

}  // namespace mepo
