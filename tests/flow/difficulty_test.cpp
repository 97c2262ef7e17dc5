#include <gtest/gtest.h>

#include "flow/difficulty.h"

namespace mepo {

// 中级 is 初级 times the square root of two, 高级 twice the width and columns
// of 初级 with the height and rows of 中级.
TEST(Difficulty, SizesOfTheThreeSettings) {
    struct Case {
        Difficulty d;
        double width, height;
        int cols, rows;
    };
    for (Case k : {Case{Difficulty::Base, 7600, 7800, 12, 10}, Case{Difficulty::Middle, 10748.023, 11030.866, 17, 14},
                   Case{Difficulty::High, 15200, 11030.866, 24, 14}}) {
        const DifficultySize size = difficultySize(k.d);
        EXPECT_NEAR(size.width, k.width, 0.001) << k.cols;
        EXPECT_NEAR(size.height, k.height, 0.001) << k.cols;
        EXPECT_EQ(size.cols, k.cols);
        EXPECT_EQ(size.rows, k.rows);
    }
}

}  // namespace mepo
