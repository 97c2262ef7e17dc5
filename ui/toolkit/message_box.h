// The game's message box: modal to the window, titled with the window's
// caption, one OK button, no icon; returns when the player closes it.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

namespace mepo {

class Desktop;

// The text as the box shows it: lines may end in a lone carriage return, a
// line feed, or both; each is a line break. Breaks at the very end show no
// empty line.
QString messageLines(const std::string& text);

// On that desktop, which may leave the box's title bar to it.
void showMessage(QWidget* owner, const std::string& text, Desktop& desktop);

// The property of an open box that holds its text exactly as it was given
// to showMessage (a QByteArray).
inline constexpr const char* kGivenTextProperty = "givenText";

}  // namespace mepo
