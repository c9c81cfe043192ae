#include "platform/backend/headless/web/ManualWebClock.h"

#include <gtest/gtest.h>

#include <string>

namespace qx::web {
namespace {

TEST(ManualWebClock, RunsCallbacksInDueOrderThenSchedulingOrder) {
    ManualWebClock clock;
    std::string ran;
    clock.Schedule(20, [&] { ran += "c"; });
    clock.Schedule(10, [&] { ran += "a"; });
    clock.Schedule(10, [&] { ran += "b"; });
    clock.Advance(15);
    EXPECT_EQ(ran, "ab");
    EXPECT_EQ(clock.Now(), 15u);
    clock.Advance(5);
    EXPECT_EQ(ran, "abc");
}

TEST(ManualWebClock, ZeroDelayWaitsForTheNextTurn) {
    ManualWebClock clock;
    bool ran = false;
    clock.Schedule(0, [&] { ran = true; });
    EXPECT_FALSE(ran);
    clock.Advance(0);
    EXPECT_TRUE(ran);
}

TEST(ManualWebClock, CallbacksScheduledDuringAnAdvanceRunWhenTheyFallDueWithinIt) {
    ManualWebClock clock;
    std::string ran;
    clock.Schedule(5, [&] {
        ran += "a";
        clock.Schedule(0, [&] { ran += "b"; });
        clock.Schedule(10, [&] { ran += "c"; });
    });
    clock.Advance(10);
    EXPECT_EQ(ran, "ab");
    clock.Advance(5);
    EXPECT_EQ(ran, "abc");
}

TEST(ManualWebClock, CancelledCallbacksNeverRunEvenWhenCancelledByAnEarlierOne) {
    ManualWebClock clock;
    bool ran = false;
    WebClock::TimerId later = 0;
    clock.Schedule(1, [&] { clock.Cancel(later); });
    later = clock.Schedule(1, [&] { ran = true; });
    clock.Cancel(12345);
    clock.Advance(5);
    EXPECT_FALSE(ran);
    EXPECT_EQ(clock.Pending(), 0u);
}

}  // namespace
}  // namespace qx::web
