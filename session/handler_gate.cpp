#include "handler_gate.h"

namespace mepo {

void HandlerGate::run(std::function<void()> work) {
    if (running()) {
        after(std::move(work));
        return;
    }
    Scope scope(*this);
    work();
}

void HandlerGate::leave() {
    if (--depth_ > 0) return;
    // The outermost handler has finished: what waited for it runs now, each
    // as a handler of its own (and what comes meanwhile, after it).
    while (!waiting_.empty()) {
        std::function<void()> work = std::move(waiting_.front());
        waiting_.pop_front();
        ++depth_;
        work();
        --depth_;
    }
}

}  // namespace mepo
