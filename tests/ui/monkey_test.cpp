// The monkey: a seeded stream of random events through the real window, sent
// the way a player could (presses and releases anywhere with any button, many
// on pairs that link; every menu command while it is enabled; the clocks'
// ticks, also while a message box is open; resizes from tiny to large,
// minimising and restoring), with what the window must show checked after
// every event: the board's pixels, frames and erases, the backing images, the
// time bar, the labels, items and clocks as the session says. The rules are
// the monkey without a window's (tests/session); what each command does is
// for the tests of that command.
//
// The game's clocks tick only when the monkey fires them (their real ticks
// are dropped), so a seed replays the same run at any speed:
//   MEPO_MONKEY_SEED=<seed> MEPO_MONKEY_EVENTS=<events>
//     build/default/tests/test_ui --gtest_filter='*Monkey*'
// A failure prints the seed, the event's number and the events before it.
// Every run ends by printing its figures.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <sstream>

#include "assets/assets.h"
#include "flow/countdown.h"
#include "game/connect.h"
#include "game/match.h"
#include "game/test_helpers.h"
#include "render/tiles.h"
#include "support/form_fixture.h"
#include "support/monkey_log.h"

namespace mepo {

using test::FormTest;

namespace {

#ifdef MEPO_SANITIZED_BUILD
constexpr unsigned long long kDefaultEvents = 3000;  // the same run, shorter: a sanitized build is slower
#else
constexpr unsigned long long kDefaultEvents = 20000;
#endif
constexpr unsigned long long kDefaultSeed = 1;

// Drops the real ticks of the game's two clocks; the monkey fires them.
class HandDrivenClocks : public QObject {
public:
    HandDrivenClocks() { qApp->installEventFilter(this); }
    ~HandDrivenClocks() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        return e->type() == QEvent::Timer && qobject_cast<QTimer*>(o) &&
               (o->objectName() == QLatin1String("Timer1") || o->objectName() == QLatin1String("Timer2"));
    }
};

constexpr QRgb kGrey = 0xffc0c0c0;   // an erased cell
constexpr QRgb kDark = 0xff808080;   // the frame's dark grey
constexpr QRgb kWhite = 0xffffffff;  // the frame's white
constexpr int kCell = 34;

// Pixels of a cell that neither a frame (offsets 0 and 33) nor a band
// (offsets 14..20 across or down) ever covers.
constexpr QPoint kSamples[] = {{4, 4}, {11, 6}, {27, 4}, {29, 11}, {5, 27}, {10, 29}, {22, 23}, {28, 29}};

// The cell under a pixel of the board: a pixel is 15 twips, a cell 510
// twips, the fraction dropped toward zero.
int cellOf(int px) { return px >= 0 ? px / kCell : -(-px / kCell); }

std::string str(Cell c) { return "(" + std::to_string(c.col) + "," + std::to_string(c.row) + ")"; }

std::string str(const std::vector<Cell>& points) {
    std::string s;
    for (Cell c : points) s += str(c);
    return s;
}

const char* buttonName(Qt::MouseButton b) {
    return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "middle";
}

// What the monkey keeps from what it did and saw, to know what the board
// must show. The rules themselves are for the monkey without a window.
struct Model {
    struct Pending {
        std::vector<Cell> points;
        int code = 0;
        int dealtCols = 0, dealtRows = 0;  // the play area a later deal drew over
    };
    bool dealt = false;    // a deal since the window opened
    bool running = false;  // dealt and not timed out since
    bool blank = true;     // the board shows no tiles: before the first deal, after a time-out
    std::vector<Pending> pending;
    int drawnCol = -1, drawnRow = -1;  // the farthest cell drawn on since the board was last cleared
    QSize widestBar{0, 0};             // the largest time bar shown in this window
    void drew(Cell c) {
        drawnCol = std::max(drawnCol, c.col);
        drawnRow = std::max(drawnRow, c.row);
    }
};
struct Figures {
    unsigned long long events = 0, mouse = 0, menu = 0, resizes = 0, exits = 0;
    unsigned long long deals = 0, links = 0, levelsWon = 0, timeOuts = 0, silentTimeOuts = 0, giveUps = 0;
    unsigned long long boxes = 0, ticks1 = 0, ticks2 = 0, dueInBoxes = 0;
};

class Monkey {
public:
    Monkey(std::unique_ptr<Form1>& form, test::ModalCloser& boxes, std::function<void()> reopen,
           unsigned long long seed, unsigned long long events)
        : form_(form), boxes_(boxes), reopen_(std::move(reopen)), seed_(seed), events_(events), log_(seed, "test_ui", 40) {}

    void run() {
        QElapsedTimer clock;
        clock.start();
        openWindow();
        const QImage tiles = tileSheet();
        for (int p = 0; p < 60; ++p) {
            // Each picture differs from the erase grey and the plain board at some sample.
            bool told = false;
            for (QPoint q : kSamples) {
                const QRgb c = tiles.pixel(sheetX(p) + q.x(), sheetY(p) + q.y());
                told = told || (c != kGrey && c != board()->canvas().background());
            }
            ASSERT_TRUE(told) << "the samples cannot tell picture " << p << " from an empty cell";
        }
        boxes_.whileOpen = [this] { whileBoxOpen(); };
        checkAll();
        for (log_.index = 1; log_.index <= events_ && !log_.failed(); ++log_.index) {
            ++figures_.events;
            step();
            if (!log_.failed() && windowClosed_) {
                note("the window is opened again");
                reopen_();
                openWindow();
            }
            if (!log_.failed()) checkAll();
            boxes_.clear();
            if (log_.index == 1000 || log_.index % 10000 == 0 || log_.index == events_) sampleMemory();
        }
        boxes_.whileOpen = nullptr;
        const Figures& f = figures_;
        std::printf(
            "monkey: seed %llu, %llu events in %.1f s: %llu deals, %llu links, %llu levels won, %llu time-outs "
            "(%llu silent after %llu give-ups), %llu message boxes; %llu mouse presses and releases, %llu menu "
            "commands, %llu resizes, %llu exits; %llu countdown and %llu erase ticks run, %llu ticks fell due while "
            "a box was open\n",
            seed_, f.events, clock.elapsed() / 1000.0, f.deals, f.links, f.levelsWon, f.timeOuts, f.silentTimeOuts,
            f.giveUps, f.boxes, f.mouse, f.menu, f.resizes, f.exits, f.ticks1, f.ticks2, f.dueInBoxes);
        if (!memory_.empty()) {
            std::printf("memory (KiB, resident / heap in use) after event");
            for (const Sample& m : memory_) std::printf(" %llu: %ld / %ld;", m.event, m.rss, m.heap);
            std::printf(" growth since event %llu: %+ld / %+ld KiB\n", memory_.front().event,
                        memory_.back().rss - memory_.front().rss, memory_.back().heap - memory_.front().heap);
        }
        std::fflush(stdout);
    }

private:
    // The memory as the run goes on, printed with the figures: a long run
    // shows whether play holds on to anything. It is read with the window
    // at one size, as its pictures' images are as large as the window, and
    // once the allocator has given back the pages it keeps free.
    void sampleMemory() {
        if (windowClosed_) return;
        f().showNormal();
        f().resize(640, 560);
        QCoreApplication::processEvents();
        malloc_trim(0);
        const struct mallinfo2 heap = mallinfo2();
        long rss = 0;
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0) rss = std::stol(line.substr(6));
        memory_.push_back({log_.index, rss, static_cast<long>((heap.uordblks + heap.hblkhd) / 1024)});
    }

    // ---- Randomness ----
    unsigned below(unsigned n) { return log_.below(n); }
    bool chance(unsigned percent) { return log_.chance(percent); }
    int between(int lo, int hi) { return log_.between(lo, hi); }
    Qt::MouseButton button() {
        const unsigned r = below(10);
        return r < 7 ? Qt::LeftButton : r < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    // ---- Reporting ----
    void note(const std::string& what) { log_.note(what); }
    void fail(const std::string& what) { log_.fail(what); }
    void expect(bool ok, const std::string& what) { log_.expect(ok, what); }

    template <typename A, typename B>
    void expectEq(const A& got, const B& want, const std::string& what) {
        if (!(got == want)) {
            std::ostringstream m;
            m << what << ": got " << got << ", want " << want;
            fail(m.str());
        }
    }

    // ---- The window ----
    Form1& f() { return *form_; }
    GameState& st() { return form_->session().arrange(); }
    // The window's pictures, found once a window.
    PictureBox* board() { return board_; }
    PictureBox* bar() { return bar_; }
    PictureBox* sheet() { return sheet_; }
    Label* label(const char* name) { return &test::part<Label>(*form_, name); }
    MenuItem& item(const char* name) { return test::part<MenuItem>(*form_, name); }
    IntervalTimer& timer(const char* name) { return test::part<IntervalTimer>(*form_, name); }

    void openWindow() {
        board_ = &test::part<PictureBox>(*form_, "Picture1");
        bar_ = &test::part<PictureBox>(*form_, "Picture3");
        sheet_ = &test::part<PictureBox>(*form_, "Picture2");
        windowClosed_ = false;
        model_ = Model{};
        instrument();
    }

    // The visible part of the board, in its own pixels.
    QRect boardShown() {
        const QRect inClient(board()->mapFrom(f().client(), QPoint(0, 0)), f().client()->size());
        return board()->rect() & inClient;
    }

    static bool inPlay(const GameState& s, Cell c) {
        return c.col >= 1 && c.col <= s.cols && c.row >= 1 && c.row <= s.rows;
    }
    static bool holdsTile(const GameState& s, Cell c) { return inPlay(s, c) && s.board(c.col, c.row) != 0; }

    QRgb boardPixel(int x, int y) { return board()->canvas().pixel(x, y); }
    QRgb sheetPixel(int code, QPoint q) {
        const int p = pictureOf(code);
        return sheet()->canvas().pixel(sheetX(p) + q.x(), sheetY(p) + q.y());
    }

    // ---- Watching the handlers ----
    // The state before a handler ran, to judge what it did.
    struct Snap {
        GameState st;
        Clock clock;
    };
    Snap snap() { return {st(), form_->session().clock()}; }

    // Runs after(state before) each time the handler has run.
    template <typename... A>
    void watch(std::function<void(A...)>& handler, std::function<void(const Snap&)> after) {
        handler = [this, inner = handler, after](A... a) {
            const Snap b = snap();
            inner(a...);
            after(b);
        };
    }
    // The same for a timer's tick, judged before anything that waited for it
    // runs; a tick that falls due while a handler runs (a box is open) waits,
    // and is judged around the moment it runs, if it runs at all.
    void watchTick(IntervalTimer& t, TimerId id, std::function<bool(const Snap&)> ran,
                   std::function<void(const Snap&)> after) {
        t.onTick = [this, inner = t.onTick, id, ran, after] {
            Session& session = form_->session();
            if (!session.busy()) {
                HandlerGate::Scope scope(session.gate());
                const Snap b = snap();
                if (id == TimerId::Timer1)
                    session.Timer1_Timer();
                else
                    session.Timer2_Timer();
                after(b);
                return;
            }
            auto before = std::make_shared<Snap>();
            session.gate().after([this, before] { *before = snap(); });
            inner();
            session.gate().after([before, ran, after] {
                if (ran(*before)) after(*before);
            });
        };
    }

    void instrument() {
        watch(item("start").onClick, [this](const Snap&) { afterDeal("the start command"); });
        watch(board()->onMouseDown, [this](const Snap&) { afterPress(); });
        watch(board()->onMouseUp, [this](const Snap& b) { afterRelease(b); });
        Session& session = form_->session();
        watchTick(timer("Timer1"), TimerId::Timer1, [&session](const Snap& b) { return session.clock().timeLeft != b.clock.timeLeft; },
                  [this](const Snap& b) { afterCountdownTick(b); });
        watchTick(timer("Timer2"), TimerId::Timer2, [&session](const Snap& b) { return !b.st.pending.empty() && session.state().pending.empty(); },
                  [this](const Snap& b) { afterEraseTick(b); });
        watch(item("Fail").onClick, [this](const Snap&) { ++figures_.giveUps; });
        for (auto [item, cols, rows] : {std::tuple{&item("meuBase"), 12, 10}, std::tuple{&item("meuMiddle"), 17, 14},
                                        std::tuple{&item("meuHigh"), 24, 14}})
            watch(item->onClick, [this, item, cols, rows](const Snap&) {
                // The board has room for every cell of the next deal and its ring.
                expect(board()->QWidget::width() >= (cols + 2) * kCell &&
                           board()->QWidget::height() >= (rows + 2) * kCell,
                       item->name() + " left the board too small");
            });
        watch(item("exit").onClick, [this](const Snap&) {
            expect(!f().isVisible() && !timer("Timer1").enabled(), "the window or its clock goes on after 退出");
            windowClosed_ = true;
        });
    }

    // A deal has just been made.
    void afterDeal(const std::string& by) {
        ++figures_.deals;
        const GameState& s = st();
        note("  deal of level " + std::to_string(s.level) + " at " + std::to_string(s.cols) + " x " +
             std::to_string(s.rows) + " by " + by);
        model_.dealt = model_.running = true;
        model_.blank = false;
        for (Model::Pending& p : model_.pending) {
            p.dealtCols = s.cols;
            p.dealtRows = s.rows;
        }
        model_.drew({s.cols, s.rows});
    }
    void afterPress() {
        const Cell c{cellOf(pressAt_.x()), cellOf(pressAt_.y())};
        if (holdsTile(st(), c)) {
            model_.drew(c);
            expect(boardPixel(c.col * kCell + 5, c.row * kCell) == kDark &&
                       boardPixel(c.col * kCell + 33, c.row * kCell + 5) == kWhite,
                   "no sunken frame on the pressed tile " + str(c));
        }
    }

    void expectRaised(Cell c, const std::string& why) {
        expect(boardPixel(c.col * kCell + 5, c.row * kCell) == kWhite &&
                   boardPixel(c.col * kCell + 33, c.row * kCell + 5) == kDark,
               "no raised frame on " + str(c) + " " + why);
    }

    // The frames a release leaves, and the link it made.
    void afterRelease(const Snap& b) {
        const GameState& s = st();
        const Cell r{cellOf(releaseAt_.x()), cellOf(releaseAt_.y())};
        const Cell p{b.st.clickCol, b.st.clickRow};
        if (!holdsTile(b.st, r)) return;
        if (!(r == p)) {
            if (holdsTile(b.st, p)) {
                model_.drew(p);
                expectRaised(p, "pressed and left");
            }
            return;
        }
        if (b.st.picked == kFalse) return;
        const Cell first{b.st.pick(1, 1), b.st.pick(1, 2)};
        model_.drew(first);
        model_.drew(r);
        if (s.pending.size() == b.st.pending.size()) {
            expectRaised(first, "after a refused pair");
            expectRaised(r, "after a refused pair");
            return;
        }
        const Link& link = s.pending.back();
        ++figures_.links;
        note("  link " + str(link.points) + ", worth " + std::to_string(linkScore(link.points)));
        model_.pending.push_back({link.points, link.code, 0, 0});
        for (Cell c : link.points) model_.drew(c);
    }
    void afterCountdownTick(const Snap& b) {
        ++figures_.ticks1;
        if (form_->session().clock().timeLeft >= 1) return;
        // The time is up: the board shows blank.
        ++figures_.timeOuts;
        note(std::string("  time-out") + (b.clock.gaveUp == 1 ? " after a give-up" : ""));
        if (b.clock.gaveUp == 1) ++figures_.silentTimeOuts;
        for (int x = 0; x < kGridCols * kCell; x += 3)
            for (int y = 0; y < kGridRows * kCell; y += 3)
                if (boardPixel(x, y) != board()->canvas().background())
                    return fail("the board is not blank after the time-out at pixel " + std::to_string(x) + "," +
                                std::to_string(y));
        model_.running = false;
        model_.blank = true;
        // The board holds nothing now, until the erase of a waiting link.
        model_.drawnCol = model_.drawnRow = -1;
        for (const Model::Pending& p : model_.pending)
            for (Cell c : p.points) model_.drew(c);
    }

    void afterEraseTick(const Snap& b) {
        ++figures_.ticks2;
        const GameState& s = st();
        bool won = true;
        for (int c = 1; c <= b.st.cols; ++c)
            for (int r = 1; r <= b.st.rows; ++r) won = won && b.st.board(c, r) == 0;
        // Every cell of every link is erased, except those a deal has drawn
        // its tiles over since (and those the next level's deal draws over).
        for (const Model::Pending& p : model_.pending)
            for (Cell c : visitedCells(p.points)) {
                const bool dealtOver = c.col >= 1 && c.row >= 1 && c.col <= p.dealtCols && c.row <= p.dealtRows;
                if (dealtOver || (won && inPlay(s, c))) continue;
                for (QPoint q : kSamples)
                    if (boardPixel(c.col * kCell + q.x(), c.row * kCell + q.y()) != kGrey)
                        return fail("the cell " + str(c) + " of the link " + str(p.points) + " is not erased");
            }
        model_.pending.clear();
        if (!won) return;
        ++figures_.levelsWon;
        note("  level " + std::to_string(b.st.level) + " won");
        afterDeal("the level won");
    }
    // ---- While a message box is open ----
    void whileBoxOpen() {
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) open += qobject_cast<QMessageBox*>(w) && w->isVisible();
        expectEq(open, 1, "message boxes open at once");
        ++figures_.boxes;
        const std::string text = boxes_.seen().back().given;
        note("  box: " + text.substr(0, text.find_first_of("\r\n")));
        // The clocks fall due while the player reads it.
        if (chance(40) && timer("Timer1").enabled()) {
            const int n = between(1, 3);
            note("    " + std::to_string(n) + " countdown ticks fall due");
            for (int i = 0; i < n; ++i) timer("Timer1").fire();
            figures_.dueInBoxes += static_cast<unsigned long long>(n);
        }
        if (chance(40) && timer("Timer2").enabled()) {
            note("    the erase tick falls due");
            timer("Timer2").fire();
            ++figures_.dueInBoxes;
        }
    }

    // ---- What must always hold ----
    // The window shows what the session says.
    void checkAll() {
        const GameState& s = st();
        expectEq(s.pending.size(), model_.pending.size(), "links waiting");
        expectEq(timer("Timer2").enabled(), !s.pending.empty(), "the erase clock runs exactly while a link waits");
        expectEq(label("Label3")->caption(), form_->session().scoreCaption(), "the score label");
        const Phase& ph = form_->session().phase();
        expect(item("pause").enabled() == ph.pause && item("reDo").enabled() == ph.reDo && item("Fail").enabled() == ph.fail &&
                   item("meuOption").enabled() == ph.option && timer("Timer1").enabled() == ph.timer1,
               "the items and the countdown do not show the phase");

        // The controls: the tile sheet never shows, the others always do.
        expect(sheet()->isHidden(), "the tile sheet shows");
        for (QWidget* c : {static_cast<QWidget*>(board()), static_cast<QWidget*>(bar()),
                           static_cast<QWidget*>(label("Label1")), static_cast<QWidget*>(label("Label2")),
                           static_cast<QWidget*>(label("Label3"))})
            expect(!c->isHidden(), "a control is left hidden");

        checkBoardPicture();
        checkImageSizes();
        if (log_.index % 40 == 0) checkShownBoard();
    }
    // The board shows the grid: every tile where the grid holds one (and
    // where a waiting link still shows its tiles), erased cells elsewhere in
    // the play area, and no tile outside it. While the board is blank, no
    // tile anywhere.
    void checkBoardPicture() {
        const GameState& s = st();
        const QRgb bg = board()->canvas().background();
        for (int c = 0; c < kGridCols; ++c)
            for (int r = 0; r < kGridRows; ++r) {
                const Cell cell{c, r};
                int code = -1;  // -1: no tile may show
                if (!model_.blank && inPlay(s, cell)) {
                    code = s.board(c, r);
                    for (const Model::Pending& p : model_.pending)
                        if (p.dealtCols == 0 && (p.points.front() == cell || p.points.back() == cell)) code = p.code;
                }
                for (QPoint q : kSamples) {
                    const QRgb got = boardPixel(c * kCell + q.x(), r * kCell + q.y());
                    if (code > 0 && got != sheetPixel(code, q))
                        return fail("the cell " + str(cell) + " does not show its tile " + std::to_string(code));
                    if (code == 0 && got != kGrey)
                        return fail("the empty cell " + str(cell) + " is not erased");
                    if (code < 0 && got != bg && got != kGrey)
                        return fail("the cell " + str(cell) + " shows something else than the board or the erase grey" +
                                    (model_.blank ? " while the board is blank" : " outside the play area"));
                }
            }
    }

    // Each backing image is no larger than its box needs.
    void checkImageSizes() {
        Form1& w = f();
        const qreal dpr = board()->devicePixelRatioF();
        const Canvas& boardCanvas = board()->canvas();
        const QSize drawn(model_.drawnCol < 0 ? 0 : (model_.drawnCol + 1) * kCell,
                          model_.drawnRow < 0 ? 0 : (model_.drawnRow + 1) * kCell);
        const QSize most = board()->size().expandedTo(drawn).boundedTo(QSize(kGridCols * kCell, kGridRows * kCell));
        const QSize held = boardCanvas.heldSize();
        if (held.width() > most.width() || held.height() > most.height()) {
            std::ostringstream m;
            m << "the board holds " << held.width() << " x " << held.height() << " pixels for a box of "
              << board()->width() << " x " << board()->height() << " with " << drawn.width() << " x "
              << drawn.height() << " drawn";
            return fail(m.str());
        }
        expect(boardCanvas.image().isNull() ? held.isEmpty() : boardCanvas.image().size() == held * dpr,
               "the board's image is not in device pixels");
        // The time bar holds no more than the largest bar it has had to show,
        // and once striped it is striped to its end, or to the client area's
        // edge where it reaches beyond: pixel (x, y) of rows 0..29 on line x + y.
        const Canvas& barCanvas = bar()->canvas();
        model_.widestBar = model_.widestBar.expandedTo(bar()->size());
        const QSize barMost = model_.widestBar;
        if (barCanvas.heldSize().width() > barMost.width() || barCanvas.heldSize().height() > barMost.height())
            return fail("the time bar holds " + std::to_string(barCanvas.heldSize().width()) + " x " +
                        std::to_string(barCanvas.heldSize().height()) + " pixels, more than " +
                        std::to_string(barMost.width()) + " x " + std::to_string(barMost.height()));
        const int end = std::min(bar()->width(), w.client()->width() - bar()->x()) - 1;
        for (int y = 0; model_.dealt && end >= 0 && y < std::min(bar()->height(), 30); ++y)
            if (end + y >= 1 && barCanvas.pixel(end, y) != qRgb((25 * (end + y)) % 256, 0, 255))
                return fail("the time bar's stripes stop short of its end, " + std::to_string(end + 1) + " pixels");
        // The tile sheet, made ready by the first deal, at the board's density.
        if (!model_.dealt) return;
        expectEq(sheet()->canvas().image().size().width(), qRound(340 * dpr), "the tile sheet's width");
        expectEq(sheet()->canvas().image().size().height(), qRound(204 * dpr), "the tile sheet's height");
    }

    // What the board shows on the screen is its backing image.
    void checkShownBoard() {
        const QImage shown = board()->grab().toImage();
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != boardPixel(x, y))
                    return fail("the board shows another pixel at " + std::to_string(x) + "," + std::to_string(y) +
                                " than its image holds");
    }

    // ---- The events ----
    // QTest takes the point (0, 0) for the widget's centre: its neighbour
    // in the same cell stands in for it.
    static QPoint sendable(QPoint at) { return at.isNull() ? QPoint(1, 0) : at; }
    void press(QPoint at, Qt::MouseButton b) {
        pressAt_ = sendable(at);
        ++figures_.mouse;
        QTest::mousePress(board(), b, {}, pressAt_);
    }
    void release(QPoint at, Qt::MouseButton b) {
        releaseAt_ = sendable(at);
        ++figures_.mouse;
        QTest::mouseRelease(board(), b, {}, releaseAt_);
    }

    // A random pixel of the cell that lies on the shown board, if any.
    std::optional<QPoint> pixelIn(Cell c) {
        const QRect cell(c.col * kCell, c.row * kCell, kCell, kCell);
        const QRect on = cell & boardShown();
        if (on.isEmpty()) return std::nullopt;
        return QPoint(between(on.left(), on.right()), between(on.top(), on.bottom()));
    }

    bool click(Cell c) {
        const auto at = pixelIn(c);
        if (!at) return false;
        const Qt::MouseButton b = button();
        note("click " + str(c) + " " + buttonName(b) + " at " + std::to_string(at->x()) + "," +
             std::to_string(at->y()));
        press(*at, b);
        if (log_.failed()) return true;
        release(*at, b);
        return true;
    }

    std::vector<Cell> shownTiles() {
        std::vector<Cell> out;
        for (int c = 1; c <= st().cols; ++c)
            for (int r = 1; r <= st().rows; ++r)
                if (st().board(c, r) != 0 && pixelIn({c, r})) out.push_back({c, r});
        return out;
    }

    // A shown tile that the game's own search links with a, if any.
    std::optional<Cell> partnerOf(Cell a, const std::vector<Cell>& tiles) {
        const size_t start = tiles.empty() ? 0 : below(static_cast<unsigned>(tiles.size()));
        for (size_t i = 0; i < tiles.size(); ++i) {
            const Cell b = tiles[(start + i) % tiles.size()];
            if (b == a || st().board(b.col, b.row) != st().board(a.col, a.row)) continue;
            GameState probe = st();
            test::setPicks(probe, a, b);
            if (connect(probe)) return b;
        }
        return std::nullopt;
    }

    bool clickPair() {
        if (!model_.dealt || noPairIn_ == st().cells) return false;
        const std::vector<Cell> tiles = shownTiles();
        if (tiles.size() < 2) return false;
        if (st().picked == kTrue) {
            const Cell first{st().pick(1, 1), st().pick(1, 2)};
            if (const auto b = partnerOf(first, tiles)) {
                note("pair: the partner of the selected " + str(first));
                const size_t links = st().pending.size();
                click(*b);
                expect(log_.failed() || st().pending.size() == links + 1, "a pair the search links did not link");
                return true;
            }
        }
        const size_t start = below(static_cast<unsigned>(tiles.size()));
        for (size_t i = 0; i < tiles.size(); ++i) {
            const Cell a = tiles[(start + i) % tiles.size()];
            if (const auto b = partnerOf(a, tiles)) {
                note("pair " + str(a) + " and " + str(*b));
                const bool clean = st().picked == kFalse;
                const size_t links = st().pending.size();
                click(a);
                if (log_.failed()) return true;
                click(*b);
                if (clean) expect(log_.failed() || st().pending.size() == links + 1, "a pair the search links did not link");
                return true;
            }
        }
        noPairIn_ = st().cells;  // stuck until the grid changes
        return false;
    }

    bool clickTile() {
        const std::vector<Cell> tiles = shownTiles();
        if (tiles.empty()) return false;
        return click(tiles[below(static_cast<unsigned>(tiles.size()))]);
    }

    QPoint anywhere(int margin) {
        const QRect r = boardShown();
        if (r.isEmpty()) return {between(-margin, margin), between(-margin, margin)};
        return {between(r.left() - margin, r.right() + margin), between(r.top() - margin, r.bottom() + margin)};
    }

    // Pressed on one cell and released on another, or anywhere at all: the
    // release comes to the board wherever the pointer went.
    bool drag(bool fromTile) {
        std::optional<QPoint> from;
        if (fromTile) {
            const std::vector<Cell> tiles = shownTiles();
            if (tiles.empty()) return false;
            from = pixelIn(tiles[below(static_cast<unsigned>(tiles.size()))]);
        } else if (!boardShown().isEmpty()) {
            from = anywhere(0);
        }
        if (!from) return false;
        const QPoint to = fromTile && chance(60) ? pixelIn(Cell{between(0, st().cols + 1), between(0, st().rows + 1)})
                                                       .value_or(anywhere(40))
                                                 : anywhere(200);
        const Qt::MouseButton b = button();
        note(std::string("press ") + buttonName(b) + " at " + std::to_string(from->x()) + "," +
             std::to_string(from->y()) + ", release at " + std::to_string(to.x()) + "," + std::to_string(to.y()));
        press(*from, b);
        if (!log_.failed()) release(to, b);
        return true;
    }

    bool tick(IntervalTimer& t, int times = 1) {
        if (!t.enabled()) return false;  // a stopped clock never ticks
        note(t.name() + (times > 1 ? " ticks " + std::to_string(times) + " times" : " ticks"));
        for (int i = 0; i < times && t.enabled() && !log_.failed(); ++i) t.fire();
        return true;
    }

    bool command(MenuItem& item, MenuItem* menu = nullptr) {
        if (!item.enabled() || (menu && !menu->enabled())) return false;
        ++figures_.menu;
        note("menu " + item.caption());
        item.click();
        return true;
    }

    double outerWidth() {
        const unsigned r = below(10);
        return r < 3 ? between(0, 2500) : r < 8 ? between(2500, 16000) : between(16000, 26000);
    }
    double outerHeight() {
        const unsigned r = below(10);
        return r < 3 ? between(0, 2500) : r < 8 ? between(2500, 12000) : between(12000, 18000);
    }

    bool resize() {
        ++figures_.resizes;
        Form1& w = f();
        const QSize before = w.client()->size();
        switch (below(6)) {
        case 0: {
            const double x = outerWidth();
            note("outer width " + std::to_string(x));
            w.setOuterWidth(x);
            break;
        }
        case 1: {
            const double y = outerHeight();
            note("outer height " + std::to_string(y));
            w.setOuterHeight(y);
            break;
        }
        case 2: {
            const int x = between(1, 1700), y = between(1, 1200);
            note("dragged to " + std::to_string(x) + " x " + std::to_string(y));
            w.resize(x, y);
            break;
        }
        case 3:
            note("minimised");
            w.showMinimized();
            break;
        case 4:
            note(w.isMaximized() ? "restored" : "maximised");
            w.isMaximized() ? w.showNormal() : w.showMaximized();
            break;
        default: {
            const double x = outerWidth(), y = outerHeight();
            note("outer size " + std::to_string(x) + " x " + std::to_string(y));
            w.setOuterWidth(x);
            w.setOuterHeight(y);
            break;
        }
        }
        QCoreApplication::processEvents();
        // Laid out anew, the time bar still shows the time left.
        if (model_.dealt && w.client()->size() != before)
            expect(std::abs(bar()->widthTwips() - timeShare(form_->session().clock()) * 7215 * w.outerWidth() / 7485) < 1e-3,
                   "the time bar is " + std::to_string(bar()->widthTwips()) + " twips wide at " +
                       std::to_string(form_->session().clock().timeLeft) + " seconds after a resize");
        return true;
    }

    void step() {
        Form1& w = f();
        if (w.isMinimized()) {
            // Only the clocks go on, until the player restores the window.
            const unsigned r = below(10);
            if (r < 3 && tick(timer("Timer1"))) return;
            if (r < 5 && tick(timer("Timer2"))) return;
            note("restored");
            w.showNormal();
            QCoreApplication::processEvents();
            return;
        }
        for (;;) {
            // Restarts and exits are rare while a game runs, so that levels
            // are won as well as lost; give-ups rarer still, as a give-up
            // silences every later time-out of the window.
            const unsigned r = below(1000);
            bool done = false;
            if (r < 330) done = clickPair();
            else if (r < 400) done = clickTile();
            else if (r < 440) done = drag(true);
            else if (r < 470) done = drag(false);
            else if (r < 620) done = tick(timer("Timer1"));
            else if (r < 630) done = tick(timer("Timer1"), between(5, 40));
            else if (r < 730) done = tick(timer("Timer2"));
            else if (r < 790) done = (model_.running ? chance(2) : chance(30)) && command(item("start"));
            else if (r < 802) done = command(item("pause"));
            else if (r < 814) done = command(item("reDo"));
            else if (r < 820) done = chance(5) && command(item("Fail"));
            else if (r < 850) {
                MenuItem* items[] = {&item("meuBase"), &item("meuMiddle"), &item("meuHigh")};
                done = command(*items[below(3)], &item("meuOption"));
            } else if (r < 858) done = command(item("help"));
            else if (r < 866) done = command(item("ab"));
            else if (r < 878) {
                MenuItem* items[] = {&item("meuVisitMyWeb"), &item("meuMailtoMe"), &item("meuWheretoBuy")};
                done = command(*items[below(3)]);
            } else if (r < 880) {
                done = chance(25) && command(item("exit"));
                if (done) ++figures_.exits;
            } else if (r < 920) done = resize();
            else done = chance(50) ? clickTile() : drag(false);
            if (done) return;
        }
    }

    std::unique_ptr<Form1>& form_;
    test::ModalCloser& boxes_;
    std::function<void()> reopen_;
    const unsigned long long seed_, events_;
    HandDrivenClocks clocks_;
    bool windowClosed_ = false;
    test::MonkeyLog log_;
    Model model_;
    Figures figures_;
    QPoint pressAt_, releaseAt_;
    struct Sample {
        unsigned long long event;
        long rss, heap;  // KiB
    };
    std::vector<Sample> memory_;
    PictureBox *board_ = nullptr, *bar_ = nullptr, *sheet_ = nullptr;
    std::array<int16_t, kGridCols * kGridRows> noPairIn_{};
};

}  // namespace

TEST_F(FormTest, MonkeyPlaysByTheRules) {
    Monkey monkey(form, boxes, [this] { SetUp(); }, test::monkeyParameter("MEPO_MONKEY_SEED", kDefaultSeed),
                  test::monkeyParameter("MEPO_MONKEY_EVENTS", kDefaultEvents));
    monkey.run();
}

}  // namespace mepo
