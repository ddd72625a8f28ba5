#include <gtest/gtest.h>

#include <vector>

#include "FakeCad.h"
#include "engine/cad/BusyRetry.h"

using namespace engine;
using namespace engine::cad;

namespace {

using fakecad::FakeClock;

TEST(BusyRetry, FilterAnswers) {
    EXPECT_EQ(HandleInComingCall(), 0);
    EXPECT_EQ(MessagePending(), 2);
    EXPECT_EQ(RetryRejectedCall(0, 2), 99);
    EXPECT_EQ(RetryRejectedCall(7499, 2), 99);
    EXPECT_EQ(RetryRejectedCall(7500, 2), -1);
    EXPECT_EQ(RetryRejectedCall(0, 1), -1);
    EXPECT_EQ(RetryRejectedCall(0, 0), -1);
}

TEST(BusyRetry, RetriesEvery99msUntilTheCallGoesThrough) {
    FakeClock clock;
    int calls = 0;
    int result = CallWithRetry(
        [&] {
            if (++calls < 4) throw CadBusyError("ocupado", 2);
            return 42;
        },
        clock);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(clock.sleeps, (std::vector<int>{99, 99, 99}));
}

TEST(BusyRetry, GivesUpAt7500ms) {
    FakeClock clock;
    int calls = 0;
    EXPECT_THROW(CallWithRetry([&]() -> int { ++calls; throw CadBusyError("ocupado", 2); }, clock), CadError);
    // Retries while elapsed < 7500: at 0, 99, ..., 7425 (76 waits), fails when 7524 is reached.
    EXPECT_EQ(clock.sleeps.size(), 76u);
    EXPECT_EQ(calls, 77);
    EXPECT_GE(clock.now - 1000, 7500);
}

TEST(BusyRetry, OnlyRejectionType2IsRetried) {
    FakeClock clock;
    int calls = 0;
    EXPECT_THROW(CallWithRetry([&]() -> int { ++calls; throw CadBusyError("recusado", 1); }, clock), CadError);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(clock.sleeps.empty());
    // Other failures pass through untouched.
    EXPECT_THROW(CallWithRetry([&]() -> int { throw CadError("sem desenho"); }, clock), CadError);
    EXPECT_TRUE(clock.sleeps.empty());
}

}  // namespace
