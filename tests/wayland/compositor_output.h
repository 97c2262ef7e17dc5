// The compositor as the player meets it, seen from outside: its output as
// it shows on the X server it is nested in, and keys and pointer moves
// typed into it there (run through tests/wayland/on_compositor).
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "support/settle.h"

namespace mepo::test {

// The compositor's output as it shows now (null if it cannot be read).
QImage grabOutput();
QSize outputSize();

// Where the window's own picture stands on the output, found by its pixels
// (but for the few the compositor's pointer may cover): the whole window
// must show for it to be found.
std::optional<QRect> findOnOutput(const QImage& output, const QImage& window);

// Keys and pointer, through the X server to the compositor: an xdotool
// command line ("key F10", "mousemove 10 10 click 1").
bool xdotool(const QString& command);

// Moves the pointer out of the way, to the output's bottom-right corner.
void parkPointer();

// Waits until the whole window shows on the output as it draws itself, and
// says where; nullopt (with what was seen in *why) if it never does.
std::optional<QRect> shownOnOutput(QWidget& window, std::string* why, int limitMs = 20000);

}  // namespace mepo::test
