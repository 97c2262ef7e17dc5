// What the game says: its captions and messages.
#pragma once

#include <cstdint>
#include <string>

#include "links.h"

namespace mepo {

inline const std::string kLevelWonText = "哇塞，你过关了耶,真是NB！";

inline std::string levelCaption(int level) { return "现在是第" + std::to_string(level) + "关"; }
inline std::string scoreCaption(int64_t score) { return "分数:" + std::to_string(score); }

// The instructions: six lines, each ending in a lone carriage return.
inline const std::string kHelpText =
    "使用方法:\r"
    "         同网上常见的Mepo\r"
    "计分方法:\r"
    "         当连接成功时计分,连越远,难度越高,加分越多!其中:\r"
    "         连线每经过一格 --- 加10分(连接越远时则加分越多)\r"
    "         在转弯处的一格 --- 加20分(转弯时难度高加分也多)\r";

// The about box: a credit line and a rights notice, joined by CR LF. The
// pictures on the tiles are drawn from the Noto Color Emoji font.
inline const std::string kAboutText = std::string("Mepo(Tazu造型版) - Mepo工作室友情开发\r\n") +
                                      "程序中所用图片取自Noto Color Emoji字体,图片的一切权利归其所有者Google(" +
                                      kArtworkOwnerSite + ")所有";

}  // namespace mepo
