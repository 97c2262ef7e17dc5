#include <gtest/gtest.h>

#include <cmath>

#include "flow/difficulty.h"

namespace mepo {

TEST(Difficulty, SizesOfTheThreeSettings) {
    const DifficultySize base = difficultySize(Difficulty::Base);
    EXPECT_EQ(base.width, 7600.0f);
    EXPECT_EQ(base.height, 7800.0f);
    EXPECT_EQ(base.cols, 12);
    EXPECT_EQ(base.rows, 10);

    const DifficultySize middle = difficultySize(Difficulty::Middle);
    EXPECT_EQ(middle.width, static_cast<float>(std::sqrt(2.0) * 7600));
    EXPECT_EQ(middle.height, static_cast<float>(std::sqrt(2.0) * 7800));
    EXPECT_NEAR(middle.width, 10748.023, 0.001);
    EXPECT_NEAR(middle.height, 11030.866, 0.001);
    EXPECT_EQ(middle.cols, 17);
    EXPECT_EQ(middle.rows, 14);

    const DifficultySize high = difficultySize(Difficulty::High);
    EXPECT_EQ(high.width, 15200.0f);
    EXPECT_EQ(high.height, middle.height);
    EXPECT_EQ(high.cols, 24);
    EXPECT_EQ(high.rows, 14);
}

}  // namespace mepo
