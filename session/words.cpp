#include "words.h"

#include <algorithm>
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

// k empty cells: 空, or 空 with their number.
std::string empties(int k) { return std::string(kEmpty) + (k > 1 ? std::to_string(k) : ""); }

}  // namespace

std::string tileName(int code) { return std::string(code == 0 ? kEmpty : kPictures[pictureOf(code)].chinese); }

std::string placeWords(Cell c) { return std::to_string(c.row) + "行" + columnWords(c.col); }
std::string columnWords(int col) { return std::to_string(col) + "列"; }

std::string dealWords(int level, Cell cursor, const std::string& picture) {
    return "第" + std::to_string(level) + "关，" + placeWords(cursor) + "，" + picture;
}

std::string triedLinkWords(Cell other) { return kLinkedWords + "，" + placeWords(other); }

std::string statusWords(const Clock& clock, int64_t score) {
    const std::string time =
        clock.unlimited && clock.timeLeft > 1 ? "不限时" : "剩" + std::to_string(std::max<int>(clock.timeLeft, 0)) + "秒";
    return time + "，" + std::to_string(score) + "分";
}

std::string lineWords(const std::vector<int>& codes) {
    std::string out;
    int run = 0;
    auto item = [&out](const std::string& w) { out += (out.empty() ? "" : "、") + w; };
    for (int code : codes) {
        if (code == 0) {
            ++run;
            continue;
        }
        if (run > 0) item(empties(run));
        run = 0;
        item(tileName(code));
    }
    if (run > 0) item(empties(run));
    return out;
}

std::string aroundWords(const GameState& s, Cell at) {
    struct Way {
        const char* name;
        int dc, dr;
    };
    std::string out;
    for (Way w : {Way{"上", 0, -1}, Way{"下", 0, 1}, Way{"左", -1, 0}, Way{"右", 1, 0}}) {
        int k = 0;
        Cell c{at.col + w.dc, at.row + w.dr};
        // Cells beyond the tiles' area are the ring, empty for every path.
        while (c.col >= 1 && c.col <= s.cols && c.row >= 1 && c.row <= s.rows && s.board(c.col, c.row) == 0) {
            ++k;
            c = {c.col + w.dc, c.row + w.dr};
        }
        const bool open = c.col < 1 || c.col > s.cols || c.row < 1 || c.row > s.rows;
        std::string seen = k > 0 ? empties(k) : "";
        seen += open ? "到边" : tileName(s.board(c.col, c.row));
        out += (out.empty() ? "" : "，") + std::string(w.name) + seen;
    }
    return out;
}

}  // namespace mepo
