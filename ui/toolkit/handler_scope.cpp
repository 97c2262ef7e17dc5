#include "handler_scope.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
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

void HandlerScope::whenQuiet(QObject* context, std::function<void()> work) {
    QTimer::singleShot(0, context, [guard = QPointer<QObject>(context), work = std::move(work)]() mutable {
        if (!guard) return;
        // A handler still running, or a box open (whose handler runs until
        // it closes): asked again once it has finished, from the event loop.
        if (active() || QApplication::activeModalWidget()) {
            auto again = [guard, work = std::move(work)]() mutable {
                if (guard) whenQuiet(guard, std::move(work));
            };
            if (active())
                whenIdle(std::move(again));
            else
                QTimer::singleShot(50, guard, std::move(again));
            return;
        }
        HandlerScope scope;
        work();
    });
}

}  // namespace mepo
