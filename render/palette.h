// The 16 colours of the basic PC palette, by index: 0 black ... 7 light grey,
// 8 dark grey ... 15 white. The board uses 7, 8 and 15.
#pragma once

#include <QColor>

namespace mepo {

inline QRgb basicColour(int index) {
    static constexpr QRgb table[16] = {
        0xff000000, 0xff000080, 0xff008000, 0xff008080, 0xff800000, 0xff800080, 0xff808000, 0xffc0c0c0,
        0xff808080, 0xff0000ff, 0xff00ff00, 0xff00ffff, 0xffff0000, 0xffff00ff, 0xffffff00, 0xffffffff,
    };
    return table[index & 15];
}

inline constexpr int kLightGrey = 7;
inline constexpr int kDarkGrey = 8;
inline constexpr int kWhite = 15;

}  // namespace mepo
