// Does a long session grow? The real window, set to 高级 (24 x 14), deals
// again and again through its start command; after each deal the event
// loop runs until the board has been painted. The resident memory (VmRSS)
// is read after 100 deals and after the last one; the two should be within
// 1 MiB of each other.
//
//   mepo_soak [--deals N]     (default 1000, at least 100)
//
// Runs on whatever Qt platform is given; without a display (and without
// QT_QPA_PLATFORM) on the offscreen one. A deal shows no message box; should
// one open all the same, it is closed at once and counted, so that nothing
// can block the run.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "measure.h"
#include "times.h"
#include "ui/desktop/desktop.h"
#include "ui/form1.h"
#include "ui/toolkit/fonts.h"

using mepo::bench::nowMs;
using mepo::bench::statusKib;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) : w_(w) { w->installEventFilter(this); }
    long count = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == w_ && e->type() == QEvent::Paint) ++count;
        return false;
    }

private:
    QWidget* w_;
};

// The C heap at this moment, in KiB: what the program holds (in use, the
// large blocks mapped on their own included), and what the heap keeps
// free between them. Growth in the first is data kept; in the second,
// fragmentation.
struct Heap {
    long usedKib, freeKib;
};
Heap heapNow() {
    const struct mallinfo2 m = mallinfo2();
    return {static_cast<long>((m.uordblks + m.hblkhd) / 1024), static_cast<long>(m.fordblks / 1024)};
}

}  // namespace

int main(int argc, char* argv[]) {
    int deals = 1000;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--deals" && i + 1 < argc) {
            deals = std::max(100, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: %s [--deals N]\n", argv[0]);
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    mepo::installChineseFontFallbacks();
    const std::unique_ptr<mepo::Desktop> desktop = mepo::Desktop::make();
    mepo::Form1 form(*desktop, {});
    QWidget* board = form.findChild<QWidget*>(QStringLiteral("Picture1"));
    const mepo::GameState& st = form.session().state();
    PaintCounter paints(board);

    int boxes = 0;
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++boxes;
            box->reject();
        }
    });
    boxCloser.start(50);

    // Runs the event loop until the board has had more paint events than
    // `before`, for `limitMs` at most.
    QTimer tick;
    tick.start(5);
    auto untilPainted = [&](long before, double limitMs) {
        const double until = nowMs() + limitMs;
        while (paints.count <= before && nowMs() < until) app.processEvents(QEventLoop::WaitForMoreEvents);
        app.processEvents();
        return paints.count > before;
    };

    form.show();
    const double shown = nowMs();
    while (!(form.windowHandle() && form.windowHandle()->isExposed()) && nowMs() - shown < 20000)
        app.processEvents(QEventLoop::WaitForMoreEvents);
    untilPainted(0, 5000);

    form.session().click(mepo::Part::meuHigh);
    untilPainted(paints.count, 5000);
    if (st.cols != 24 || st.rows != 14) {
        std::printf("error: 高级 gave a %d x %d board, not 24 x 14\n", st.cols, st.rows);
        return 1;
    }

    std::printf("platform: %s, board %d x %d, %d deals\n", qPrintable(QGuiApplication::platformName()), st.cols,
                st.rows, deals);
    long rss100 = -1, rssLast = -1;
    Heap heap100{}, heapLast{};
    int unpainted = 0;
    // Made before the first deal: the times take no more memory as the run goes on.
    const auto dealMs = std::make_unique<mepo::bench::Times>();
    const double started = nowMs();
    for (int i = 1; i <= deals; ++i) {
        const long before = paints.count;
        const double t = nowMs();
        form.session().click(mepo::Part::start);
        if (!untilPainted(before, 5000)) ++unpainted;
        dealMs->add(nowMs() - t);
        if (i == 100) {
            rss100 = statusKib(0, "VmRSS");
            heap100 = heapNow();
        }
        if (i == deals) {
            rssLast = statusKib(0, "VmRSS");
            heapLast = heapNow();
        }
    }
    const double total = nowMs() - started;

    const long diff = rssLast - rss100;
    std::printf("time: %.1f s, a deal with its paint takes %.2f ms (median), %.2f ms (slowest)\n", total / 1000,
                dealMs->medianMs(), dealMs->slowestMs());
    std::printf("VmRSS after 100 deals: %ld KiB\n", rss100);
    std::printf("VmRSS after %d deals: %ld KiB\n", deals, rssLast);
    std::printf("difference: %+ld KiB\n", diff);
    std::printf("within 1 MiB: %s\n", diff <= 1024 && diff >= -1024 ? "yes" : "NO");
    std::printf("heap in use: %ld KiB after 100 deals, %ld KiB after %d (%+ld KiB)\n", heap100.usedKib,
                heapLast.usedKib, deals, heapLast.usedKib - heap100.usedKib);
    std::printf("heap kept free: %ld KiB after 100 deals, %ld KiB after %d (%+ld KiB)\n", heap100.freeKib,
                heapLast.freeKib, deals, heapLast.freeKib - heap100.freeKib);
    std::printf("VmHWM (peak): %ld KiB\n", statusKib(0, "VmHWM"));
    std::printf("level %d, message boxes closed: %d, deals without a board paint: %d\n", st.level, boxes,
                unpainted);
    return unpainted || boxes ? 1 : 0;
}
