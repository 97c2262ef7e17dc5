// The options the game takes when it starts: a clock of another length or
// none; anything else is the toolkit's, and nothing is kept.
#include <gtest/gtest.h>

#include "session/start_options.h"

namespace mepo {

TEST(StartOptions, AClockOfAnotherLengthOrNoneAndNothingElse) {
    EXPECT_EQ(readStartOptions({}).setup.secondsPerGame, 180);
    EXPECT_EQ(readStartOptions({"-platform", "xcb"}).setup.secondsPerGame, 180);
    EXPECT_EQ(readStartOptions({"--clock=600"}).setup.secondsPerGame, 600);
    EXPECT_EQ(readStartOptions({"--clock", "900"}).setup.secondsPerGame, 900);
    EXPECT_EQ(readStartOptions({"--clock=none"}).setup.secondsPerGame, kNoClock);
    EXPECT_TRUE(readStartOptions({"--help"}).help);
    for (const char* bad : {"--clock=0", "--clock=-5", "--clock=40000", "--clock=10s", "--clock="}) {
        const StartOptions o = readStartOptions({bad});
        EXPECT_FALSE(o.error.empty()) << bad;
        EXPECT_EQ(o.setup.secondsPerGame, 180) << bad;
    }
    EXPECT_FALSE(readStartOptions({"--clock"}).error.empty());
}

}  // namespace mepo
