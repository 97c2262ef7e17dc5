// The game's handlers never interrupt one another. A message box holds its
// handler until it is closed, and meanwhile the timers still fall due and
// the window may be resized: whatever comes while a handler runs waits until
// that handler (and every handler it was called from) has finished, and then
// runs, in the order it came, each as a handler of its own.
//
// The session owns the gate; the window runs through it whatever of its own
// must keep the rule (its layout on a resize, its requests to the desktop).
#pragma once

#include <deque>
#include <functional>

namespace mepo {

class HandlerGate {
public:
    HandlerGate() = default;
    HandlerGate(const HandlerGate&) = delete;
    HandlerGate& operator=(const HandlerGate&) = delete;

    // Marks a handler as running for as long as it lives; the outermost
    // one, ending, runs what waited for it.
    class Scope {
    public:
        explicit Scope(HandlerGate& gate) : gate_(gate) { ++gate_.depth_; }
        ~Scope() { gate_.leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        HandlerGate& gate_;
    };

    // True while some handler is running.
    bool running() const { return depth_ > 0; }
    // Runs work as a handler: at once when none is running, otherwise once
    // the running ones have finished.
    void run(std::function<void()> work);
    // Runs work once the running handlers have finished (only while one runs).
    void after(std::function<void()> work) { waiting_.push_back(std::move(work)); }

private:
    void leave();
    int depth_ = 0;
    std::deque<std::function<void()>> waiting_;
};

}  // namespace mepo
