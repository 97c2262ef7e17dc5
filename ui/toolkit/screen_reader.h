// Words for a screen reader beyond what it reads of the window by itself:
// the outcome of a move on the board, the time and score asked for. They go
// to the reader as a new description of the object it follows (the one it
// was told has the focus), which Orca speaks as it comes.
//
// Over AT-SPI, Qt 6.4 sends such a change with the object in place of its
// text, so readers hear nothing; the change is sent here on Qt's own
// accessibility connection, text and all, as the protocol has it.
#pragma once

#include <QString>
#include <functional>

class QAccessibleInterface;

namespace mepo {

class ScreenReader {
public:
    ScreenReader();
    // Says text about the object a reader follows; nothing when no reader listens.
    void say(QAccessibleInterface* about, const QString& text) const;
};

// Where the board's words go: the screen reader unless replaced (a test's
// ear).
using ReaderVoice = std::function<void(QAccessibleInterface* about, const QString& text)>;

}  // namespace mepo
