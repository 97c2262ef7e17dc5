// The game measures its window in twips, 15 to a pixel; Qt measures it in
// pixels. Every conversion between the two goes through here.
#pragma once

#include <QPoint>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace mepo {

inline constexpr double kTwips = 15;  // twips to a pixel

// To the nearest whole pixel; beyond any screen's reach is held at its edge.
inline int toPx(double twips) { return static_cast<int>(std::lround(std::clamp(twips / kTwips, -1e7, 1e7))); }
// A size: never below nothing.
inline int toPxSize(double twips) { return std::max(0, toPx(twips)); }
inline double toTwips(int px) { return px * kTwips; }

}  // namespace mepo
