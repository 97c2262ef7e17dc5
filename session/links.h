// The three web addresses of the help menu. They are the game's only
// configuration; change them here.
#pragma once

namespace mepo {

// The game's home page.
inline constexpr const char* kMakerHomePage = "http://mepo.sourceforge.net/";
// The site of the owner of the tile pictures, its Simplified-Chinese pages.
inline constexpr const char* kArtworkOwnerSite = "http://www.google.cn/zh-cn/";
// Where the pictures can be had: the Debian package of the emoji font.
inline constexpr const char* kWhereToBuy = "http://packages.debian.org/";

}  // namespace mepo
