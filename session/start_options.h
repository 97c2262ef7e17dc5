// What the game can be asked for when it starts: a clock of another length,
// or none, for a player who needs more time than a level's 180 seconds
// (listening to a screen reader, or with a slow hand). Nothing is kept:
// the next start without it is the game as it always is. Every other
// argument is left to the toolkit.
//
//   mepo --clock=SECONDS   each game allows that many seconds (1 to 32767)
//   mepo --clock=none      games without a clock; only 放弃 ends one
//   mepo --help            these lines
#pragma once

#include <string>
#include <vector>

#include "session.h"

namespace mepo {

struct StartOptions {
    SessionSetup setup;
    bool help = false;   // print the usage and end
    std::string error;   // an option the game cannot take, and why
};

// The options among the program's arguments (the program's name left out).
StartOptions readStartOptions(const std::vector<std::string>& args);

// The usage, in the game's language.
extern const char* const kUsage;

}  // namespace mepo
