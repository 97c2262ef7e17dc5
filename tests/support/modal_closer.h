// Reads and closes every message box that opens while it lives, as a
// player would by pressing OK, and keeps what each showed.
#pragma once

#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace mepo::test {

struct SeenBox {
    QString title;
    QString text;   // as the box shows it
    std::string given;  // as the game handed it to the box, byte for byte
    int buttons = 0;
    bool hasIcon = false;
    QString okText;
};

class ModalCloser {
public:
    ModalCloser();
    const std::vector<SeenBox>& seen() const { return seen_; }
    void clear() { seen_.clear(); }
    // Runs while a box is open, just before it is closed (not for a box
    // opened inside another).
    std::function<void()> whileOpen;

private:
    void schedule();
    void poll();
    QObject context_;  // ends the looks with the closer
    std::vector<SeenBox> seen_;
    std::vector<QWidget*> handling_;  // boxes being read, innermost last
};

}  // namespace mepo::test
