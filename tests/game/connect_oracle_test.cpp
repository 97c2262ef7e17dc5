// The connection search checked against a second, deliberately plain
// implementation of the linking rule. The referee below knows nothing of how
// connect() scans: it writes out every candidate path of the rule in the order
// the game prefers them, walks each one cell by cell, and takes the first
// whose cells are all free. On many random boards of every size the two must
// agree on whether the pair links and, if so, on the exact corner points.
//
// A failing board prints its seed, its size and the whole grid;
// checkRandomBoard(seed, area, tally) rebuilds exactly that board and pairs.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "game/connect.h"
#include "game/state.h"

namespace {

using mepo::Cell;
using mepo::GameState;
using mepo::kGridCols;
using mepo::kGridRows;

struct Area {
    int cols;
    int rows;
};

// The three play areas of the game: easy, medium, hard.
constexpr std::array<Area, 3> kAreas{{{12, 10}, {17, 14}, {24, 14}}};

// Which candidate of the rule the referee took.
enum class Shape {
    ColStraight,        // same column, straight
    ColRight,           // same column, round on the right
    ColLeft,            // same column, round on the left
    RowStraight,        // same row, straight
    RowAbove,           // same row, round above
    RowBelow,           // same row, round below
    TurnVertical,       // one turn, leaving the first tile vertically
    MidColumn,          // two turns, middle column between the tiles
    TurnHorizontal,     // one turn, leaving the first tile horizontally
    MidRow,             // two turns, middle row between the tiles
    Above,              // round above both
    Below,              // round below both
    Left,               // round left of both
    Right,              // round right of both
    None,               // no link
};
constexpr int kShapeCount = static_cast<int>(Shape::None) + 1;

const char* shapeName(Shape s) {
    static const char* const names[kShapeCount] = {
        "column straight", "column right", "column left", "row straight", "row above",
        "row below",       "turn vertical", "middle column", "turn horizontal", "middle row",
        "above",           "below",        "left",          "right",        "none"};
    return names[static_cast<int>(s)];
}

int sign(int v) { return (v > 0) - (v < 0); }

// Every cell of the broken line through pts, in walking order, each corner
// once. Each step moves one cell toward the next point on both axes, so the
// walk ends even for a slanted segment (which the path check rejects anyway).
std::vector<Cell> cellsAlong(const std::vector<Cell>& pts) {
    std::vector<Cell> cells;
    if (pts.empty()) return cells;
    Cell at = pts.front();
    cells.push_back(at);
    for (size_t i = 1; i < pts.size(); ++i) {
        const Cell to = pts[i];
        while (!(at == to)) {
            at.col += sign(to.col - at.col);
            at.row += sign(to.row - at.row);
            cells.push_back(at);
        }
    }
    return cells;
}

// The linking rule, written out candidate by candidate.
class Referee {
public:
    explicit Referee(const GameState& s) : s_(s), cols_(s.cols), rows_(s.rows) {}

    bool inRing(Cell c) const {
        return c.col >= 0 && c.col <= cols_ + 1 && c.row >= 0 && c.row <= rows_ + 1;
    }
    bool isFree(Cell c) const { return inRing(c) && s_.board(c.col, c.row) == 0; }

    // True when every cell of the line through the n points pts except its
    // two end cells is free. Walks the segments in place: the referee runs
    // millions of times.
    bool open(const Cell* pts, size_t n) const {
        if (n == 0) return true;
        const Cell last = pts[n - 1];
        Cell at = pts[0];
        for (size_t i = 1; i < n; ++i) {
            const Cell to = pts[i];
            while (!(at == to)) {
                at.col += sign(to.col - at.col);
                at.row += sign(to.row - at.row);
                if (i == n - 1 && at == last) break;
                if (!isFree(at)) return false;
            }
        }
        return true;
    }
    bool open(std::initializer_list<Cell> pts) const { return open(pts.begin(), pts.size()); }

    struct Verdict {
        Shape shape = Shape::None;
        std::vector<Cell> points;
    };

    // The first open candidate for tile a (clicked first) and tile b.
    Verdict firstLink(Cell a, Cell b) const {
        Verdict v;
        auto take = [&](Shape shape, std::initializer_list<Cell> pts) {
            if (!open(pts)) return false;
            v.shape = shape;
            v.points.assign(pts.begin(), pts.end());
            return true;
        };
        const int x1 = a.col, y1 = a.row, x2 = b.col, y2 = b.row;

        if (x1 == x2) {
            if (take(Shape::ColStraight, {a, b})) return v;
            for (int k = x1 + 1; k <= cols_ + 1; ++k)
                if (take(Shape::ColRight, {a, {k, y1}, {k, y2}, b})) return v;
            for (int k = x1 - 1; k >= 0; --k)
                if (take(Shape::ColLeft, {a, {k, y1}, {k, y2}, b})) return v;
            return v;
        }
        if (y1 == y2) {
            if (take(Shape::RowStraight, {a, b})) return v;
            for (int r = y1 - 1; r >= 0; --r)
                if (take(Shape::RowAbove, {a, {x1, r}, {x2, r}, b})) return v;
            for (int r = y1 + 1; r <= rows_ + 1; ++r)
                if (take(Shape::RowBelow, {a, {x1, r}, {x2, r}, b})) return v;
            return v;
        }

        if (take(Shape::TurnVertical, {a, {x1, y2}, b})) return v;
        const int sx = sign(x2 - x1);
        for (int c = x1 + sx; c != x2; c += sx)
            if (take(Shape::MidColumn, {a, {c, y1}, {c, y2}, b})) return v;
        if (take(Shape::TurnHorizontal, {a, {x2, y1}, b})) return v;
        const int sy = sign(y2 - y1);
        for (int r = y1 + sy; r != y2; r += sy)
            if (take(Shape::MidRow, {a, {x1, r}, {x2, r}, b})) return v;

        const Cell up = y1 < y2 ? a : b;
        const Cell low = y1 < y2 ? b : a;
        for (int r = up.row - 1; r >= 0; --r)
            if (take(Shape::Above, {up, {up.col, r}, {low.col, r}, low})) return v;
        for (int r = low.row + 1; r <= rows_ + 1; ++r)
            if (take(Shape::Below, {up, {up.col, r}, {low.col, r}, low})) return v;

        const Cell lft = x1 < x2 ? a : b;
        const Cell rgt = x1 < x2 ? b : a;
        for (int c = lft.col - 1; c >= 0; --c)
            if (take(Shape::Left, {lft, {c, lft.row}, {c, rgt.row}, rgt})) return v;
        for (int c = rgt.col + 1; c <= cols_ + 1; ++c)
            if (take(Shape::Right, {lft, {c, lft.row}, {c, rgt.row}, rgt})) return v;
        return v;
    }

private:
    const GameState& s_;
    int cols_;
    int rows_;
};

// Empty when pts is a legal link between tiles a and b on the board as it
// was before the search; otherwise what is wrong with it. Checked without the
// referee's candidate list, from the bare rule.
std::string pathFault(const GameState& before, Cell a, Cell b, const std::vector<Cell>& pts) {
    if (pts.size() < 2 || pts.size() > 4) return "path has " + std::to_string(pts.size()) + " points";
    const bool forward = pts.front() == a && pts.back() == b;
    const bool backward = pts.front() == b && pts.back() == a;
    if (!forward && !backward) return "path does not run from one picked tile to the other";
    int turns = 0;
    for (size_t i = 1; i < pts.size(); ++i) {
        const bool sameCol = pts[i].col == pts[i - 1].col;
        const bool sameRow = pts[i].row == pts[i - 1].row;
        if (sameCol == sameRow) return "points " + std::to_string(i) + " and " + std::to_string(i + 1) +
                                       " do not differ in exactly one coordinate";
        if (i >= 2 && sameCol != (pts[i - 1].col == pts[i - 2].col)) ++turns;
    }
    if (turns > 2) return "path turns " + std::to_string(turns) + " times";
    const Referee ring(before);
    const std::vector<Cell> cells = cellsAlong(pts);
    for (size_t i = 1; i + 1 < cells.size(); ++i) {
        const Cell c = cells[i];
        if (!ring.inRing(c))
            return "cell (" + std::to_string(c.col) + "," + std::to_string(c.row) + ") lies outside the ring";
        if (before.board(c.col, c.row) != 0)
            return "cell (" + std::to_string(c.col) + "," + std::to_string(c.row) + ") holds a tile";
    }
    return {};
}

std::string pointsText(const std::vector<Cell>& pts) {
    if (pts.empty()) return "(none)";
    std::string t;
    for (const Cell& p : pts) t += "(" + std::to_string(p.col) + "," + std::to_string(p.row) + ") ";
    t.pop_back();
    return t;
}

char codeChar(int code) {
    if (code == 0) return '.';
    if (code >= 1 && code <= 9) return static_cast<char>('0' + code);
    if (code >= 10 && code <= 35) return static_cast<char>('a' + code - 10);
    return '#';
}

// The whole grid, beyond-the-ring cells included, one text line per row.
std::string boardText(const GameState& s) {
    std::ostringstream out;
    out << "play area " << s.cols << "x" << s.rows << " (ring: column 0, row 0, column " << s.cols + 1
        << ", row " << s.rows + 1 << "); '.' empty, 1-9 a-z codes, # other\n";
    out << "     ";
    for (int c = 0; c < kGridCols; ++c) out << (c % 10);
    out << '\n';
    for (int r = 0; r < kGridRows; ++r) {
        out << (r < 10 ? "  " : " ") << r << "  ";
        for (int c = 0; c < kGridCols; ++c) out << codeChar(s.board(c, r));
        out << '\n';
    }
    return out.str();
}

// Random board tallies, kept across the three areas.
struct Tally {
    long boards = 0;
    long searches = 0;
    long failures = 0;
    std::array<long, kShapeCount> shapes{};
};

constexpr int kMaxFailures = 5;
constexpr int kPairsPerBoard = 6;

// Runs connect() for a clicked first, b second on board, compares it with
// the referee and adds a failure (with everything needed to replay) if they
// differ in any way. Returns false on a failure.
bool checkSearch(const GameState& board, Cell a, Cell b, int16_t code, uint32_t seed, Tally& tally,
                 std::mt19937& rng) {
    GameState s = board;
    s.pick(1, 0) = code;
    s.pick(1, 1) = static_cast<int16_t>(a.col);
    s.pick(1, 2) = static_cast<int16_t>(a.row);
    s.pick(2, 0) = code;
    s.pick(2, 1) = static_cast<int16_t>(b.col);
    s.pick(2, 2) = static_cast<int16_t>(b.row);
    // Leftovers of an earlier link: a search that forgets to end a short
    // path with -1 shows them as extra points.
    for (int16_t& p : s.paths) p = static_cast<int16_t>(std::uniform_int_distribution<int>(0, 25)(rng));

    const Referee referee(board);
    const Referee::Verdict want = referee.firstLink(a, b);
    const bool wantQx = a.col == b.col && !referee.open({a, b});

    const mepo::Connection found = mepo::connect(s);
    const bool got = found.linked;
    const int qxCalls = found.framesRaised ? 1 : 0;
    const std::vector<Cell> pts = got ? mepo::pathPoints(s) : std::vector<Cell>{};

    ++tally.searches;
    ++tally.shapes[static_cast<int>(want.shape)];

    std::vector<std::string> faults;
    const bool wantFound = want.shape != Shape::None;
    if (got != wantFound)
        faults.push_back(std::string("connect returned ") + (got ? "true" : "false") + ", expected " +
                         (wantFound ? "true" : "false"));
    if (got && wantFound && pts != want.points) faults.push_back("path differs from the expected one");
    if (got) {
        const std::string bad = pathFault(board, a, b, pts);
        if (!bad.empty()) faults.push_back("illegal path: " + bad);
    }
    if (qxCalls != (wantQx ? 1 : 0))
        faults.push_back(std::string("frames raised: ") + (qxCalls ? "yes" : "no") + ", expected " + (wantQx ? "yes" : "no"));
    if (s.cells != board.cells) faults.push_back("board changed by the search");
    if (s.pick(1, 0) != code || s.pick(2, 0) != code) faults.push_back("pick codes changed");
    const Cell p1{s.pick(1, 1), s.pick(1, 2)};
    const Cell p2{s.pick(2, 1), s.pick(2, 2)};
    if (!((p1 == a && p2 == b) || (p1 == b && p2 == a)))
        faults.push_back("picks no longer name the two tiles: " + pointsText({p1, p2}));

    if (faults.empty()) return true;
    ++tally.failures;
    std::string what;
    for (const std::string& f : faults) what += "  " + f + "\n";
    ADD_FAILURE() << "seed " << seed << ", area " << board.cols << "x" << board.rows << ", first click "
                  << pointsText({a}) << ", second click " << pointsText({b}) << ", code " << code << "\n"
                  << what << "  expected: " << (wantFound ? pointsText(want.points) : "no link") << " ["
                  << shapeName(want.shape) << "]\n"
                  << "  actual:   " << (got ? pointsText(pts) : "no link") << "\n"
                  << boardText(board);
    return false;
}

// One random board and its pairs, all drawn from seed.
void checkRandomBoard(uint32_t seed, Area area, Tally& tally) {
    std::mt19937 rng(seed);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto chance = [&] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); };

    GameState board;
    board.cols = static_cast<int16_t>(area.cols);
    board.rows = static_cast<int16_t>(area.rows);

    // Fill: a tenth of the boards full, three tenths dense, the rest anywhere
    // from empty to full.
    const double pick = chance();
    const double fill = pick < 0.1 ? 1.0 : pick < 0.4 ? 0.75 + 0.25 * chance() : chance();
    for (int r = 1; r <= area.rows; ++r)
        for (int c = 1; c <= area.cols; ++c)
            if (chance() < fill) board.board(c, r) = static_cast<int16_t>(uniform(1, 35));

    // Cells beyond the ring are not part of the board; fill them with junk on
    // half the boards. They must never block or open anything.
    if (chance() < 0.5) {
        const double junk = chance();
        for (int r = 0; r < kGridRows; ++r)
            for (int c = 0; c < kGridCols; ++c)
                if ((c > area.cols + 1 || r > area.rows + 1) && chance() < junk)
                    board.board(c, r) = static_cast<int16_t>(uniform(1, 35));
    }

    ++tally.boards;
    for (int i = 0; i < kPairsPerBoard; ++i) {
        const Cell a{uniform(1, area.cols), uniform(1, area.rows)};
        Cell b = a;
        const int mode = uniform(0, 9);
        while (b == a) {
            if (mode < 3) {
                b = {a.col, uniform(1, area.rows)};  // same column
            } else if (mode < 6) {
                b = {uniform(1, area.cols), a.row};  // same row
            } else if (mode < 7) {                   // close by
                b = {std::clamp(a.col + uniform(-2, 2), 1, area.cols),
                     std::clamp(a.row + uniform(-2, 2), 1, area.rows)};
            } else {
                b = {uniform(1, area.cols), uniform(1, area.rows)};
            }
        }
        const int16_t code = board.board(a.col, a.row) != 0 && chance() < 0.5
                                 ? board.board(a.col, a.row)
                                 : static_cast<int16_t>(uniform(1, 35));
        GameState paired = board;
        paired.board(a.col, a.row) = code;
        paired.board(b.col, b.row) = code;
        if (!checkSearch(paired, a, b, code, seed, tally, rng)) return;
        if (!checkSearch(paired, b, a, code, seed, tally, rng)) return;
    }
}

// Boards per play area. The optimised build checks 40,000 per area; builds
// without optimisation or with AddressSanitizer check fewer to stay quick.
#if defined(__SANITIZE_ADDRESS__)
#define MEPO_ORACLE_SLOW 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MEPO_ORACLE_SLOW 1
#endif
#endif
#if !defined(__OPTIMIZE__)
#ifndef MEPO_ORACLE_SLOW
#define MEPO_ORACLE_SLOW 1
#endif
#endif

#ifdef MEPO_ORACLE_SLOW
constexpr int kBoardsPerArea = 8000;
#else
constexpr int kBoardsPerArea = 40000;
#endif

constexpr uint32_t kBaseSeed = 20240611u;

TEST(ConnectOracle, RandomBoardsMatchTheRule) {
    Tally tally;
    uint32_t index = 0;
    for (const Area& area : kAreas) {
        for (int n = 0; n < kBoardsPerArea && tally.failures < kMaxFailures; ++n)
            checkRandomBoard(kBaseSeed + index++, area, tally);
    }
    std::cout << "[ oracle   ] " << tally.boards << " boards, " << tally.searches << " searches;";
    for (int i = 0; i < kShapeCount; ++i)
        std::cout << " " << shapeName(static_cast<Shape>(i)) << " " << tally.shapes[static_cast<size_t>(i)] << ";";
    std::cout << "\n";

    ASSERT_EQ(tally.failures, 0) << "stopped after the first failures";
    EXPECT_EQ(tally.boards, static_cast<long>(kAreas.size()) * kBoardsPerArea);
    // The boards must reach every kind of link, or the comparison above proves
    // little for the kinds it missed.
    for (int i = 0; i < kShapeCount; ++i)
        EXPECT_GE(tally.shapes[static_cast<size_t>(i)], 50) << "too few searches of kind "
                                                            << shapeName(static_cast<Shape>(i));
}

// ---------------------------------------------------------------------------
// Hand-made boards. Every play cell holds a filler tile unless opened; the
// ring stays empty. The pair gets its own code.

constexpr int16_t kFiller = 9;
constexpr int16_t kPair = 5;

GameState fullBoard(int cols = 12, int rows = 10) {
    GameState s;
    s.cols = static_cast<int16_t>(cols);
    s.rows = static_cast<int16_t>(rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) s.board(c, r) = kFiller;
    return s;
}

void openCells(GameState& s, std::initializer_list<Cell> cells) {
    for (const Cell& c : cells) s.board(c.col, c.row) = 0;
}
void openColumn(GameState& s, int col, int fromRow, int toRow) {
    for (int r = fromRow; r <= toRow; ++r) s.board(col, r) = 0;
}
void block(GameState& s, Cell c) { s.board(c.col, c.row) = kFiller; }

struct Outcome {
    bool found = false;
    std::vector<Cell> points;
    int qxCalls = 0;
};

// Places the pair on a copy of board and searches with a clicked first.
Outcome link(const GameState& board, Cell a, Cell b) {
    GameState s = board;
    s.board(a.col, a.row) = kPair;
    s.board(b.col, b.row) = kPair;
    s.pick(1, 0) = kPair;
    s.pick(1, 1) = static_cast<int16_t>(a.col);
    s.pick(1, 2) = static_cast<int16_t>(a.row);
    s.pick(2, 0) = kPair;
    s.pick(2, 1) = static_cast<int16_t>(b.col);
    s.pick(2, 2) = static_cast<int16_t>(b.row);
    s.paths.fill(7);
    Outcome o;
    const mepo::Connection found = mepo::connect(s);
    o.found = found.linked;
    o.qxCalls = found.framesRaised ? 1 : 0;
    if (o.found) o.points = mepo::pathPoints(s);
    return o;
}

using Path = std::vector<Cell>;

TEST(ConnectOracle, StraightAndSameLineLinks) {
    const GameState full = fullBoard();

    // Neighbours link straight, two points, in the order clicked.
    Outcome o = link(full, {5, 5}, {5, 6});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{5, 5}, {5, 6}}));
    EXPECT_EQ(o.qxCalls, 0);
    o = link(full, {5, 6}, {5, 5});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{5, 6}, {5, 5}}));
    EXPECT_EQ(o.qxCalls, 0);
    o = link(full, {5, 5}, {6, 5});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{5, 5}, {6, 5}}));
    EXPECT_EQ(o.qxCalls, 0);

    // Two tiles in column 1, a tile between and tiles right of both: round
    // the left through the ring column 0.
    o = link(full, {1, 3}, {1, 6});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{1, 3}, {0, 3}, {0, 6}, {1, 6}}));
    EXPECT_EQ(o.qxCalls, 1);

    // With the right open as well, the right wins.
    GameState right = full;
    openColumn(right, 2, 3, 6);
    o = link(right, {1, 3}, {1, 6});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{1, 3}, {2, 3}, {2, 6}, {1, 6}}));
    EXPECT_EQ(o.qxCalls, 1);

    // The nearest open column on the right is taken: column 2 is blocked
    // halfway, column 3 is open, column 4 too.
    GameState farther = full;
    openCells(farther, {{2, 3}, {3, 3}, {4, 3}, {2, 6}, {3, 6}, {4, 6}});
    openColumn(farther, 3, 3, 6);
    openColumn(farther, 4, 3, 6);
    o = link(farther, {1, 3}, {1, 6});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{1, 3}, {3, 3}, {3, 6}, {1, 6}}));

    // The last column of the largest area goes round the ring column 25.
    o = link(fullBoard(24, 14), {24, 3}, {24, 7});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{24, 3}, {25, 3}, {25, 7}, {24, 7}}));
    EXPECT_EQ(o.qxCalls, 1);

    // Two tiles in row 1 go round above, through row 0, before anything
    // below, even when the row below is open.
    o = link(full, {3, 1}, {6, 1});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{3, 1}, {3, 0}, {6, 0}, {6, 1}}));
    EXPECT_EQ(o.qxCalls, 0);
    GameState below = full;
    openCells(below, {{3, 2}, {4, 2}, {5, 2}, {6, 2}});
    o = link(below, {3, 1}, {6, 1});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{3, 1}, {3, 0}, {6, 0}, {6, 1}}));

    // The bottom row of the largest area goes round the ring row 15.
    o = link(fullBoard(24, 14), {5, 14}, {9, 14});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{5, 14}, {5, 15}, {9, 15}, {9, 14}}));

    // A column pair with everything around filled does not link; its frames
    // were still raised once, a row pair's never.
    GameState shut = fullBoard();
    o = link(shut, {4, 3}, {4, 6});
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.qxCalls, 1);
    o = link(shut, {4, 3}, {7, 3});
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.qxCalls, 0);
}

TEST(ConnectOracle, PreferenceBetweenShapes) {
    const GameState full = fullBoard();

    // (2,2) first, (4,4) second: leaving vertically with one turn wins over
    // the middle column 3 and over leaving horizontally.
    GameState turn = full;
    openCells(turn, {{2, 3}, {2, 4}, {3, 4}});
    Outcome o = link(turn, {2, 2}, {4, 4});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{2, 2}, {2, 4}, {4, 4}}));
    openCells(turn, {{3, 2}, {3, 3}});
    o = link(turn, {2, 2}, {4, 4});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{2, 2}, {2, 4}, {4, 4}}));
    openCells(turn, {{4, 2}, {4, 3}});
    o = link(turn, {2, 2}, {4, 4});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{2, 2}, {2, 4}, {4, 4}}));
    // Clicked the other way round the path leaves (4,4) vertically.
    o = link(turn, {4, 4}, {2, 2});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{4, 4}, {4, 2}, {2, 2}}));
    // Block the vertical turn: the middle column beats the horizontal turn.
    block(turn, {2, 3});
    o = link(turn, {2, 2}, {4, 4});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, (Path{{2, 2}, {3, 2}, {3, 4}, {4, 4}}));
    EXPECT_EQ(o.qxCalls, 0);

    // Upper tile (4,3), lower tile (2,5); nothing links between them.
    // Open above (column 4 rows 1-2, column 2 rows 1-4) and below (column 4
    // rows 4-10, column 2 rows 6-10): above wins, and the path starts at the
    // upper tile whichever was clicked first.
    GameState both = full;
    openColumn(both, 4, 1, 2);
    openColumn(both, 2, 1, 4);
    openColumn(both, 4, 4, 10);
    openColumn(both, 2, 6, 10);
    const Path above{{4, 3}, {4, 0}, {2, 0}, {2, 5}};
    const Path viaBelow{{4, 3}, {4, 11}, {2, 11}, {2, 5}};
    o = link(both, {4, 3}, {2, 5});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, above);
    o = link(both, {2, 5}, {4, 3});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, above);
    // Closing above shows that below was open all along.
    block(both, {4, 1});
    o = link(both, {2, 5}, {4, 3});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, viaBelow);

    // Same pair, open below and to the left (row 5 columns 0-1, row 3
    // columns 1-3): below wins over left.
    GameState belowLeft = full;
    openColumn(belowLeft, 4, 4, 10);
    openColumn(belowLeft, 2, 6, 10);
    openCells(belowLeft, {{1, 5}, {1, 3}, {2, 3}, {3, 3}});
    const Path viaLeft{{2, 5}, {0, 5}, {0, 3}, {4, 3}};
    o = link(belowLeft, {4, 3}, {2, 5});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, viaBelow);
    o = link(belowLeft, {2, 5}, {4, 3});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, viaBelow);
    // Closing below under the upper tile shows the left; the path starts at
    // the left tile.
    block(belowLeft, {4, 4});
    o = link(belowLeft, {4, 3}, {2, 5});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, viaLeft);

    // Open left and right (column 5 rows 3-5, row 5 columns 3-4), below
    // closed at (4,4): left wins over right.
    GameState leftRight = full;
    openCells(leftRight, {{1, 5}, {1, 3}, {2, 3}, {3, 3}});
    openCells(leftRight, {{3, 5}, {4, 5}, {5, 5}, {5, 4}, {5, 3}});
    const Path viaRight{{2, 5}, {5, 5}, {5, 3}, {4, 3}};
    o = link(leftRight, {4, 3}, {2, 5});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, viaLeft);
    o = link(leftRight, {2, 5}, {4, 3});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, viaLeft);
    // Closing the left shows the right, again from the left tile.
    block(leftRight, {1, 3});
    block(leftRight, {1, 5});
    o = link(leftRight, {4, 3}, {2, 5});
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.points, viaRight);
    // And with the right closed too there is no link at all.
    block(leftRight, {5, 4});
    o = link(leftRight, {4, 3}, {2, 5});
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.qxCalls, 0);
}

TEST(ConnectOracle, ExchangeSwapsPlacesKeepsCodes) {
    GameState s;
    s.pick(1, 0) = 3;
    s.pick(1, 1) = 4;
    s.pick(1, 2) = 7;
    s.pick(2, 0) = 8;
    s.pick(2, 1) = 11;
    s.pick(2, 2) = 2;
    mepo::xchg(s);
    EXPECT_EQ(s.pick(1, 0), 3);
    EXPECT_EQ(s.pick(2, 0), 8);
    EXPECT_EQ(s.pick(1, 1), 11);
    EXPECT_EQ(s.pick(1, 2), 2);
    EXPECT_EQ(s.pick(2, 1), 4);
    EXPECT_EQ(s.pick(2, 2), 7);
}

}  // namespace
