#include "form_window.h"

#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <cmath>
#include <vector>

namespace mepo {

// The client area: every change of its size runs the window's resize handling.
class FormWindow::ClientArea : public QWidget {
public:
    explicit ClientArea(FormWindow& owner) : owner_(owner) {}
    std::vector<QPointer<QWidget>> framed;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (const QPointer<QWidget>& w : framed) {
            if (!w || w->isHidden()) continue;
            const QRect r = w->geometry().adjusted(-1, -1, 1, 1);
            p.setPen(QColor(128, 128, 128));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(Qt::white);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        }
    }

    void resizeEvent(QResizeEvent* e) override {
        if (e->size() != e->oldSize()) owner_.runResize();
    }

private:
    FormWindow& owner_;
};

FormWindow::FormWindow() : client_(new ClientArea(*this)) { setCentralWidget(client_); }

double FormWindow::clientWidth() const { return client_->width() * 15.0; }
double FormWindow::clientHeight() const { return client_->height() * 15.0; }

void FormWindow::runResize() {
    ++resizeRuns_;
    clientResized();
    client_->update();
}

void FormWindow::frameAround(QWidget* control) { static_cast<ClientArea*>(client_)->framed.push_back(control); }

static int toPx(double twips) { return std::max(0, static_cast<int>(std::lround(twips / 15.0))); }

void FormWindow::setOuterWidth(double twips) { setClientSize(toPx(twips - kFrameWidth), client_->height()); }

void FormWindow::setOuterHeight(double twips) { setClientSize(client_->width(), toPx(twips - kFrameHeight)); }

void FormWindow::setClientSize(int widthPx, int heightPx) {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) showNormal();
    const int chrome = isVisible() ? height() - client_->height() : menuBar()->sizeHint().height();
    const int runs = resizeRuns_;
    resize(widthPx, heightPx + chrome);
    client_->resize(widthPx, heightPx);  // a shown client area resizes at once
    if (resizeRuns_ == runs) runResize();
}

void FormWindow::setLeft(double twips) { move(static_cast<int>(std::lround(twips / 15.0)), y()); }
void FormWindow::setTop(double twips) { move(x(), static_cast<int>(std::lround(twips / 15.0))); }

double FormWindow::screenWidth() const { return screen()->geometry().width() * 15.0; }
double FormWindow::screenHeight() const { return screen()->geometry().height() * 15.0; }

}  // namespace mepo
