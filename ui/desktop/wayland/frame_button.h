// A button of the title bar the game draws itself (own_frame.h): minimise,
// maximise or restore, and close, drawn the way desktops draw them, lit
// under the pointer, with a tooltip and a name that a screen reader reads.
// It never takes the keyboard's focus from the game.
#pragma once

#include <QAbstractButton>

namespace mepo {

class FrameButton : public QAbstractButton {
public:
    enum class Kind { Minimise, Maximise, Close };
    // window: the window whose state the button shows (maximised or not).
    FrameButton(Kind kind, QWidget& window, QWidget* bar);

    Kind kind() const { return kind_; }
    // The tooltip and accessible name as the window's state wants them:
    // 最大化, or 还原 on a maximised window.
    void fitName();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    const Kind kind_;
    QWidget& window_;
};

}  // namespace mepo
