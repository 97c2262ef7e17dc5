// The one place that takes the window's input for the game: it watches
// every event of the application, hands the board's keys (and its focus
// coming and going) to the session, and tells it whether the keyboard or
// the pointer was used last, anywhere in the game, which decides whether
// the cursor's outline shows. Everything else goes on as Qt sends it.
#pragma once

#include <QObject>

namespace mepo {

class BoardView;
class Session;

class Input : public QObject {
public:
    Input(Session& session, BoardView& board);
    ~Input() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Session& session_;
    BoardView& view_;
};

}  // namespace mepo
