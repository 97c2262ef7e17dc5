#include "handler_rule.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace mepo {

void whenQuiet(QObject* context, const HandlerRule& rule, std::function<void()> work) {
    QTimer::singleShot(0, context, [guard = QPointer<QObject>(context), rule, work = std::move(work)]() mutable {
        if (!guard) return;
        // A handler still running, or a box open (whose handler runs until
        // it closes): asked again once it has finished, from the event loop.
        const bool running = rule.running();
        if (running || QApplication::activeModalWidget()) {
            auto again = [guard, rule, work = std::move(work)]() mutable {
                if (guard) whenQuiet(guard, rule, std::move(work));
            };
            if (running)
                rule.run(std::move(again));
            else
                QTimer::singleShot(50, guard, std::move(again));
            return;
        }
        rule.run(std::move(work));
    });
}

}  // namespace mepo
