#include "handler_scope.h"

#include <deque>

namespace mepo {

namespace {
int depth = 0;
std::deque<std::function<void()>> waiting;
}  // namespace

HandlerScope::HandlerScope() { ++depth; }

HandlerScope::~HandlerScope() {
    if (--depth > 0) return;
    // The outermost handler has finished: what waited for it runs now.
    while (!waiting.empty()) {
        std::function<void()> work = std::move(waiting.front());
        waiting.pop_front();
        HandlerScope scope;
        work();
    }
}

bool HandlerScope::active() { return depth > 0; }

void HandlerScope::whenIdle(std::function<void()> work) { waiting.push_back(std::move(work)); }

}  // namespace mepo
