#include "form_window.h"

#include <QPointer>
#include <QResizeEvent>
#include <QScreen>

#include "menu_keys.h"
#include "twips.h"
#include "ui/desktop/desktop.h"

namespace mepo {

// The client area: every change of its size runs the window's resize handling.
class FormWindow::ClientArea : public QWidget {
public:
    explicit ClientArea(FormWindow& owner) : owner_(owner) {}

protected:
    void resizeEvent(QResizeEvent* e) override {
        if (e->size() != e->oldSize()) owner_.clientAreaResized();
    }

private:
    FormWindow& owner_;
};

FormWindow::FormWindow(Desktop& desktop, HandlerRule rule)
    : desktop_(desktop), rule_(std::move(rule)), client_(new ClientArea(*this)) {
    setCentralWidget(client_);
    installMenuKeys(*this);
    desktop_.frame(*this, Desktop::Frame::Window);
    placement_ = desktop_.placementFor(
        *this, {rule_.running, rule_.run, [this](std::function<void()> work) { whenQuiet(this, rule_, std::move(work)); }});
}

FormWindow::~FormWindow() = default;

int FormWindow::remaps() const { return placement_->remaps(); }

double FormWindow::clientWidth() const { return toTwips(client_->width()); }
double FormWindow::clientHeight() const { return toTwips(client_->height()); }

void FormWindow::setDesignClientSize(int widthPx, int heightPx) {
    client_->resize(widthPx, heightPx);
    placement_->askClient(QSize(widthPx, heightPx));
}

void FormWindow::clientAreaResized() {
    if (assigning_) {
        runResize();
        return;
    }
    // As a handler of its own: the desktop may resize the window under a
    // handler's message box, and the layout then waits until that handler
    // has finished, so that nothing it shows changes in the middle of it
    // (the time bar and the time label stay as they are).
    if (resizeWaits_) return;
    resizeWaits_ = true;
    rule_.run([self = QPointer<FormWindow>(this)] {
        if (!self) return;
        self->resizeWaits_ = false;
        self->runResize();
    });
}

void FormWindow::runResize() {
    ++resizeRuns_;
    clientResized();
}

QMargins FormWindow::outerMargins() const { return placement_->frame() + placement_->windowMargins(); }

double FormWindow::outerWidth() const {
    const QMargins m = outerMargins();
    return toTwips(placement_->clientSize().width() + m.left() + m.right());
}

double FormWindow::outerHeight() const {
    const QMargins m = outerMargins();
    return toTwips(placement_->clientSize().height() + m.top() + m.bottom());
}

void FormWindow::setOuterWidth(double twips) { setClientSize(toPxSize(twips - kFrameWidth), client_->height()); }

void FormWindow::setOuterHeight(double twips) { setClientSize(client_->width(), toPxSize(twips - kFrameHeight)); }

void FormWindow::setClientSize(int widthPx, int heightPx) {
    placement_->askClient(QSize(widthPx, heightPx));
    // A shown client area is laid out at once, inside the assignment; a
    // hidden one here.
    const int runs = resizeRuns_;
    assigning_ = true;
    client_->resize(widthPx, heightPx);
    assigning_ = false;
    if (resizeRuns_ == runs) runResize();
}

double FormWindow::left() const { return toTwips(placement_->frameTopLeft().x()); }
double FormWindow::top() const { return toTwips(placement_->frameTopLeft().y()); }
void FormWindow::setLeft(double twips) { placement_->askPlace(toPx(twips), std::nullopt); }
void FormWindow::setTop(double twips) { placement_->askPlace(std::nullopt, toPx(twips)); }

void FormWindow::centreOnScreen(double bottomReserveTwips) { placement_->askCentred(bottomReserveTwips / kTwips); }

double FormWindow::screenLeft() const { return toTwips(placement_->monitor()->geometry().left()); }
double FormWindow::screenTop() const { return toTwips(placement_->monitor()->geometry().top()); }
double FormWindow::screenWidth() const { return toTwips(placement_->monitor()->geometry().width()); }
double FormWindow::screenHeight() const { return toTwips(placement_->monitor()->geometry().height()); }

}  // namespace mepo
