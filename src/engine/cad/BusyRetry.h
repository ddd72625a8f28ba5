#pragma once
// The message filter's answers, and the retry of calls that a busy CAD application
// rejects: retry after 99 ms while fewer than 7500 ms have passed and the callee
// asked to retry later (rejection type 2); otherwise give up.
#include <chrono>
#include <thread>
#include <utility>

#include "engine/Errors.h"

namespace engine::cad {

inline constexpr int kRetryLater = 2;        // rejection type: the callee asks to retry later
inline constexpr int kRetryAfterMs = 99;
inline constexpr int kGiveUpAfterMs = 7500;

// Answers of the message filter.
inline int HandleInComingCall() { return 0; }  // the call is handled
inline int RetryRejectedCall(long long elapsedMs, int rejectionType) {
    return (rejectionType == kRetryLater && elapsedMs < kGiveUpAfterMs) ? kRetryAfterMs : -1;
}
inline int MessagePending() { return 2; }  // wait, default processing

// Time source of the retries; tests give a fake one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual long long NowMs() = 0;
    virtual void SleepMs(int ms) = 0;
};

class SteadyClock : public Clock {
public:
    long long NowMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void SleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

Clock& DefaultClock();

// Runs call(); while it raises CadBusyError and the filter answers "retry", waits the
// answered time and calls again. When the filter cancels, raises CadError.
template <class F>
auto CallWithRetry(F&& call, Clock& clock = DefaultClock()) -> decltype(call()) {
    const long long start = clock.NowMs();
    for (;;) {
        try {
            return call();
        } catch (const CadBusyError& busy) {
            int answer = RetryRejectedCall(clock.NowMs() - start, busy.RejectionType());
            if (answer < 0)
                throw CadError(std::string("O aplicativo CAD está ocupado e recusou a chamada: ") + busy.what());
            clock.SleepMs(answer);
        }
    }
}

}  // namespace engine::cad
