#include "plain_placement.h"

#include <QEvent>
#include <QMainWindow>

#include "../window_states.h"

namespace mepo {

namespace {

class PlainPlacement : public Placement {
public:
    PlainPlacement(QMainWindow& window, Handlers handlers) : Placement(window, std::move(handlers)) {
        window.installEventFilter(this);
    }

protected:
    void place() override {
        if (window().isVisible() && (window().windowState() & (kSizedByTheDesktop | Qt::WindowMinimized)))
            window().setWindowState(Qt::WindowNoState);
        placedBy_ = frame();
        placeAtOnce(placedBy_);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        // The frame shows with the window: a centring made before went by none.
        if (watched == &window() && e->type() == QEvent::Show && request().centredWith && frame() != placedBy_)
            placeAgainWhenQuiet();
        return false;
    }

private:
    QMargins placedBy_;  // the frame the last request went by
};

}  // namespace

std::unique_ptr<Placement> plainPlacement(QMainWindow& window, Placement::Handlers handlers) {
    return std::make_unique<PlainPlacement>(window, std::move(handlers));
}

}  // namespace mepo
