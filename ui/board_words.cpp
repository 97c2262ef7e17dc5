#include "board_words.h"

#include <string_view>

#include "assets/pictures.h"
#include "render/tiles.h"

namespace mepo {

namespace {

constexpr std::string_view kEmpty = "空";

// A listener tells tiles apart by their names alone, and an empty cell from
// every tile.
constexpr bool namesApart() {
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        if (std::string_view(kPictures[i].chinese) == kEmpty) return false;
        for (std::size_t j = i + 1; j < kPictures.size(); ++j)
            if (std::string_view(kPictures[i].chinese) == std::string_view(kPictures[j].chinese)) return false;
    }
    return true;
}
static_assert(namesApart(), "every picture needs a Chinese name of its own, other than the empty cell's");

}  // namespace

QString tileName(int code) {
    return QString::fromUtf8(code == 0 ? kEmpty.data() : kPictures[pictureOf(code)].chinese);
}

}  // namespace mepo
