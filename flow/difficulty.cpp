#include "difficulty.h"

#include <cmath>

namespace mepo {

DifficultySize difficultySize(Difficulty d) {
    const double root2 = std::sqrt(2.0);
    auto nearest = [](double v) { return static_cast<int16_t>(std::lround(v)); };
    switch (d) {
    case Difficulty::Middle:
        return {static_cast<float>(root2 * 7600), static_cast<float>(root2 * 7800), nearest(root2 * 12),
                nearest(root2 * 10)};
    case Difficulty::High:
        return {15200.0f, static_cast<float>(root2 * 7800), 24, nearest(root2 * 10)};
    case Difficulty::Base:
        break;
    }
    return {7600.0f, 7800.0f, 12, 10};
}

}  // namespace mepo
