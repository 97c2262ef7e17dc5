// What the board says to a player who listens through a screen reader. A
// blind player's time goes to listening, against the clock: every utterance
// puts the outcome first, names no picture the player has just heard, and
// gives a place only when it is news (a jump, Home or End, the deal, the
// cursor shown again after the pointer), never for a step of one cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "flow/countdown.h"
#include "game/state.h"

namespace mepo {

// A cell's name: its tile's picture in Chinese (企鹅), as the board draws it
// from the sheet, or 空 for an empty cell (code 0).
std::string tileName(int code);

// A place on the board, rows and columns counted from 1: "3行5列"; a column
// alone: "5列".
std::string placeWords(Cell c);
std::string columnWords(int col);

// A new board: its level, the cursor's place and its tile: "第1关，1行1列，鲸鱼".
std::string dealWords(int level, Cell cursor, const std::string& picture);
// An arrow that cannot go on: the edge of the tiles.
inline const std::string kEdgeWords = "边";
// N or P with no other tile of the cursor's picture (or on an empty cell).
inline const std::string kNoOtherWords = "没有";

// The outcomes of a press: a tile picked; the picked tile pressed again;
// a pair that does not link (other pictures, or no path); a pair linked.
// Nothing stays picked after the last three.
inline const std::string kPickedWords = "选中";
inline const std::string kUnpickedWords = "取消";
inline const std::string kRefusedWords = "连不上";
inline const std::string kLinkedWords = "消除";
// A pair linked by L, which leaves the cursor where it was: where the other
// tile was ("消除，3行5列"). A refusal is 连不上, as for a press.
std::string triedLinkWords(Cell other);

// The time left and the score, asked for at any moment: "剩120秒，40分", or
// "不限时，40分" for a game without a clock.
std::string statusWords(const Clock& clock, int64_t score);

// A row or a column of the board, compactly: its cells' pictures in order,
// runs of empty cells counted ("鲸鱼、空3、企鹅").
std::string lineWords(const std::vector<int>& codes);

// What lies around a tile in each direction, up, down, left, right: the
// first tile met and the empty cells before it, or that the way is open to
// the edge of the tiles, which a path can go round ("上企鹅，下空2鲸鱼，
// 左到边，右空到边").
std::string aroundWords(const GameState& s, Cell at);

}  // namespace mepo
