// The three difficulties: a board size and the window size that fits it.
#pragma once

#include <cstdint>

namespace mepo {

enum class Difficulty { Base, Middle, High };  // 初级, 中级, 高级

struct DifficultySize {
    float width;   // outer window width, twips
    float height;  // outer window height, twips
    int16_t cols;
    int16_t rows;
};

// Base 7600 x 7800 twips and 12 x 10 tiles; Middle both times the square
// root of two (17 x 14); High twice the width and columns of Base, with the
// height and rows of Middle (24 x 14).
DifficultySize difficultySize(Difficulty d);

}  // namespace mepo
