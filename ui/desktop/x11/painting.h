// How the game's window is painted on X11. Qt paints a window's backing
// store through shared memory and, before each paint, waits for the X
// server to have read the last one: a round trip, and two wake-ups of the
// game (its own thread and Qt's thread of X events), each time the clock's
// label and bar change, once a second. Painted through the X connection
// instead, a tick wakes the game once. Its pictures are small: a deal's
// whole board is two megabytes, sent in a few milliseconds.
#pragma once

namespace mepo {

inline constexpr char kSharedMemoryOff[] = "QT_XCB_NO_MITSHM";

// Before Qt starts: paints without shared memory, unless the player has
// said otherwise in the environment. True if it set the variable.
bool keepSharedMemoryPaintingOff();

}  // namespace mepo
