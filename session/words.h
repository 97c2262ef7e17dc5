// What the board says to a player who listens through a screen reader,
// besides the names of its cells: each utterance short, the picture and the
// outcome first, every word counted against the clock.
#pragma once

#include <cstdint>
#include <string>

namespace mepo {

// A cell's name: its tile's picture in Chinese (企鹅), as the board draws it
// from the sheet, or 空 for an empty cell (code 0).
std::string tileName(int code);

// A tile picked as the first of a pair.
std::string pickedWords(const std::string& picture);
// The picked tile pressed again: nothing is picked any more.
std::string unpickedWords(const std::string& picture);
// A pair that does not link (other pictures, or no path): nothing is picked.
std::string refusedWords(const std::string& picture);
// A linked pair erased, and the score it brought the game to.
std::string linkedWords(const std::string& picture, int64_t score);
// The time left and the score, asked for at any moment: the time label's
// caption ("剩余时间:…秒") and the score.
std::string statusWords(const std::string& timeCaption, int64_t score);

}  // namespace mepo
