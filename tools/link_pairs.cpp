// mepo_link_pairs: which tiles to click for a few links on a known deal.
//
//   mepo_link_pairs SEED [LINKS]
//
// Deals the first level of the beginner board the way the game does after
// seeding its random source with SEED, then plays LINKS links (default 5)
// with the game's own selection rules, each found on the board the earlier
// ones left. Prints one line per link: the column and row of the first tile,
// then of the second. scripts/screenshot clicks them.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "game/deal.h"
#include "game/random.h"
#include "game/selection.h"
#include "game/state.h"
#include "tools/clicks.h"

namespace {

struct Pair {
    mepo::Cell a, b;
};

using mepo::tools::click;

// The first pair, in reading order, that two clicks would link.
std::optional<Pair> nextLink(mepo::GameState& s) {
    std::vector<mepo::Cell> tiles;
    for (int r = 1; r <= s.rows; ++r)
        for (int c = 1; c <= s.cols; ++c)
            if (s.board(c, r) != 0) tiles.push_back({c, r});
    for (std::size_t i = 0; i < tiles.size(); ++i)
        for (std::size_t j = i + 1; j < tiles.size(); ++j) {
            const mepo::Cell a = tiles[i], b = tiles[j];
            if (s.board(a.col, a.row) != s.board(b.col, b.row)) continue;
            mepo::GameState trial = s;
            if (click(trial, a) == mepo::Release::Selected && click(trial, b) == mepo::Release::Linked) {
                trial.pending.clear();
                s = trial;
                return Pair{a, b};
            }
        }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: mepo_link_pairs SEED [LINKS]\n");
        return 2;
    }
    const unsigned seed = static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10));
    const int links = argc == 3 ? std::atoi(argv[2]) : 5;

    mepo::GameState s;  // the beginner board, level 1, as at start-up
    mepo::SeededRandom random(seed);
    mepo::deal(s, random);
    for (int n = 0; n < links; ++n) {
        const std::optional<Pair> pair = nextLink(s);
        if (!pair) {
            std::fprintf(stderr, "mepo_link_pairs: only %d links on this deal\n", n);
            return 1;
        }
        std::printf("%d %d %d %d\n", pair->a.col, pair->a.row, pair->b.col, pair->b.row);
    }
    return 0;
}
