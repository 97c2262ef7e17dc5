#include "words.h"

#include <string_view>

#include "assets/pictures.h"

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

std::string tileName(int code) { return std::string(code == 0 ? kEmpty : kPictures[pictureOf(code)].chinese); }

std::string pickedWords(const std::string& picture) { return picture + "，选中"; }
std::string unpickedWords(const std::string& picture) { return picture + "，取消选中"; }
std::string refusedWords(const std::string& picture) { return picture + "，连不上，取消选中"; }
std::string linkedWords(const std::string& picture, int64_t score) {
    return picture + "，消除，分数:" + std::to_string(score);
}
std::string statusWords(const std::string& timeCaption, int64_t score) {
    return timeCaption + "，分数:" + std::to_string(score);
}

}  // namespace mepo
