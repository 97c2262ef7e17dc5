// The game's rule that its handlers never interrupt one another, as the
// toolkit keeps it for what it does on its own (a resize the desktop makes,
// the window's requests to the desktop). Its owner is the game's session;
// the toolkit only asks it.
#pragma once

#include <QObject>
#include <functional>

namespace mepo {

struct HandlerRule {
    // True while one of the game's handlers runs (a message box of it is open).
    std::function<bool()> running;
    // Runs work as a handler: at once when none runs, otherwise once the
    // running one (and every one it was called from) has finished.
    std::function<void(std::function<void()>)> run;
};

// Runs work from the event loop, at the first moment when no handler is
// running and no modal box is open (never inside the event, a menu's click
// for one, that asked for it), as a handler. Dropped if context goes first.
void whenQuiet(QObject* context, const HandlerRule& rule, std::function<void()> work);

}  // namespace mepo
