#include <gtest/gtest.h>

#include <functional>

#include "flow/phase.h"

namespace mepo {

// Every row of the table of what each event enables, from a state where
// every flag is the opposite of what the row sets, so that a row that
// forgets a flag, or touches one it should leave, shows.
TEST(Phase, EachEventSetsItsRowAndLeavesTheRest) {
    enum Cell { Off, On, Same };
    struct Row {
        const char* event;
        std::function<void(Phase&, Clock&)> apply;
        Cell timer1, pause, reDo, fail, option;
    };
    const Row rows[] = {
        {"deal", [](Phase& p, Clock&) { onDeal(p); }, On, On, Same, On, Off},
        {"pause", [](Phase& p, Clock&) { onPause(p); }, Off, Off, On, Same, Same},
        {"continue", [](Phase& p, Clock&) { onContinue(p); }, On, On, Off, Same, Same},
        {"give up", [](Phase& p, Clock& s) { onGiveUp(p, s); }, On, Off, Off, Off, Same},
        {"time-out", [](Phase& p, Clock&) { onTimeOut(p); }, Off, Same, Same, Same, On},
        {"level won", [](Phase& p, Clock&) { onLevelWon(p); }, Off, Same, Same, Same, Same},
    };
    for (const Row& row : rows) {
        for (bool start : {false, true}) {
            Phase p{start, start, start, start, start};
            Clock s;
            row.apply(p, s);
            auto expect = [&](const char* what, bool got, Cell want) {
                const bool value = want == Same ? start : want == On;
                EXPECT_EQ(got, value) << row.event << ": " << what << " from " << start;
            };
            expect("Timer1", p.timer1, row.timer1);
            expect("pause", p.pause, row.pause);
            expect("reDo", p.reDo, row.reDo);
            expect("Fail", p.fail, row.fail);
            expect("meuOption", p.option, row.option);
        }
    }
}

TEST(Phase, GiveUpLeavesOneSecondAndIsNeverForgotten) {
    Phase p;
    Clock s;
    s.timeLeft = 120;
    onDeal(p);
    onGiveUp(p, s);
    EXPECT_EQ(s.timeLeft, 1);
    EXPECT_EQ(s.gaveUp, 1);
    onTimeOut(p);
    onDeal(p);
    EXPECT_EQ(s.gaveUp, 1);
    EXPECT_TRUE(p.fail);  // the next deal offers give up again
}

}  // namespace mepo
