// mepo_rule_verdicts: the game's own answers on a seeded deal, board after
// board, for checking another player's copy of the rules (bench/ear).
//
//   mepo_rule_verdicts SEED
//
// Deals the first level of the beginner board as the game does after seeding
// its random source with SEED, then, until no pair links, prints:
//   board COLS ROWS        then a line of codes a row, 0 for an empty cell;
//   jump C R NC NR PC PR   for every tile, the tiles N and P go to (0 0
//                          when they stay);
//   pair C1 R1 C2 R2 V     for every pair of tiles of one picture, in
//                          reading order, 1 when two clicks link it;
// and links one of the pairs that do, a different choice each time, so that
// the boards thin out everywhere.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "game/deal.h"
#include "game/random.h"
#include "game/same_tile.h"
#include "game/selection.h"
#include "game/state.h"
#include "tools/clicks.h"

namespace {

struct Pair {
    mepo::Cell a, b;
};

using mepo::tools::click;

bool links(const mepo::GameState& s, Pair p) {
    mepo::GameState trial = s;
    return click(trial, p.a) == mepo::Release::Selected && click(trial, p.b) == mepo::Release::Linked;
}

mepo::Cell orStay(std::optional<mepo::Cell> c) { return c.value_or(mepo::Cell{0, 0}); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mepo_rule_verdicts SEED\n");
        return 2;
    }
    mepo::GameState s;  // the beginner board, level 1, as at start-up
    mepo::SeededRandom random(static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)));
    mepo::deal(s, random);
    for (unsigned step = 0;; ++step) {
        std::printf("board %d %d\n", s.cols, s.rows);
        std::vector<mepo::Cell> tiles;
        for (int r = 1; r <= s.rows; ++r) {
            for (int c = 1; c <= s.cols; ++c) {
                std::printf(c == 1 ? "%d" : " %d", s.board(c, r));
                if (s.board(c, r) != 0) tiles.push_back({c, r});
            }
            std::printf("\n");
        }
        for (const mepo::Cell& t : tiles) {
            const mepo::Cell n = orStay(mepo::sameTile(s, t, 1)), p = orStay(mepo::sameTile(s, t, -1));
            std::printf("jump %d %d %d %d %d %d\n", t.col, t.row, n.col, n.row, p.col, p.row);
        }
        std::vector<Pair> linked;
        for (std::size_t i = 0; i < tiles.size(); ++i)
            for (std::size_t j = i + 1; j < tiles.size(); ++j) {
                const Pair p{tiles[i], tiles[j]};
                if (s.board(p.a.col, p.a.row) != s.board(p.b.col, p.b.row)) continue;
                const bool yes = links(s, p);
                std::printf("pair %d %d %d %d %d\n", p.a.col, p.a.row, p.b.col, p.b.row, yes ? 1 : 0);
                if (yes) linked.push_back(p);
            }
        if (linked.empty()) return 0;
        const Pair p = linked[(step * 7919u) % linked.size()];
        click(s, p.a);
        click(s, p.b);
        s.pending.clear();
    }
}
