// The menus from the keyboard, without an access key in any caption: F10
// opens the first menu that can be opened, and a lone press and release of
// Alt puts the menu bar under the keyboard. Then the arrows move between
// the menus and their items (passing over what is disabled), Enter opens or
// chooses, and Esc closes. Esc in an open menu closes it and gives the
// keyboard back at once to where it was before the menus took it (the
// board), rather than leaving the menu bar under the keyboard.
#pragma once

class QMainWindow;

namespace mepo {

void installMenuKeys(QMainWindow& window);

}  // namespace mepo
