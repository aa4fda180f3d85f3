// The clock's calendar times: UTC by arithmetic, and local time in the time zone the process has.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "core/os/clock.h"
#include "fake_clock.h"

namespace busho {
namespace {

using testing::FakeClock;

TEST(Clock, UtcTimeByCalendarArithmetic) {
    struct Case {
        TimePoint moment;
        LocalTime expected;
    };
    const Case cases[] = {
        {TimePoint{}, {1970, 1, 1, 0, 0, 0}},
        {TimePoint{} - std::chrono::seconds(1), {1969, 12, 31, 23, 59, 59}},
        {FakeClock::At(2024, 2, 29, 23, 59, 59) + std::chrono::milliseconds(999), {2024, 2, 29, 23, 59, 59}},
        {FakeClock::At(2024, 2, 29, 23, 59, 59) + std::chrono::seconds(1), {2024, 3, 1, 0, 0, 0}},
        {FakeClock::At(2100, 12, 31, 12, 30, 45), {2100, 12, 31, 12, 30, 45}},
    };
    for (const Case& c : cases) EXPECT_EQ(UtcTime(c.moment), c.expected);
}

// Restores the process's time zone when the test ends.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        Set(zone);
    }
    ~TimeZone() { Set(old_ ? old_->c_str() : nullptr); }

private:
    static void Set(const char* zone) {
#ifdef _WIN32
        ::_putenv_s("TZ", zone ? zone : "");
        ::_tzset();
#else
        if (zone) ::setenv("TZ", zone, 1);
        else ::unsetenv("TZ");
        ::tzset();
#endif
    }

    std::optional<std::string> old_;
};

TEST(Clock, LocalTimeFollowsTheTimeZone) {
    Clock clock;
    const TimePoint moment = FakeClock::At(2026, 12, 31, 20, 15, 30);
    {
        TimeZone utc("UTC0");
        EXPECT_EQ(clock.ToLocal(moment), UtcTime(moment));
    }
    {
        TimeZone tokyo("JST-9");  // nine hours east of Greenwich: the next day
        EXPECT_EQ(clock.ToLocal(moment), (LocalTime{2027, 1, 1, 5, 15, 30}));
    }
    {
        TimeZone west("XST+5");
        EXPECT_EQ(clock.ToLocal(moment), (LocalTime{2026, 12, 31, 15, 15, 30}));
    }
    const auto now = clock.Now();
    EXPECT_LE(std::chrono::abs(now - std::chrono::system_clock::now()), std::chrono::seconds(5));
}

}  // namespace
}  // namespace busho
