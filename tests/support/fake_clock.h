#pragma once
// A clock the test sets: its time stands still until the test moves it, and local time is UTC, so
// backup names do not depend on the machine's time zone.

#include <chrono>

#include "core/os/clock.h"

namespace busho::testing {

class FakeClock final : public Clock {
public:
    explicit FakeClock(TimePoint start = At(2026, 12, 10, 9, 30, 15)) : now(start) {}
    TimePoint Now() override { return now; }
    LocalTime ToLocal(TimePoint moment) override { return UtcTime(moment); }

    // A moment given as UTC calendar time.
    static TimePoint At(int year, int month, int day, int hour, int minute, int second) {
        using namespace std::chrono;
        const sys_days date = std::chrono::year{year} / month / day;
        return TimePoint(date) + hours{hour} + minutes{minute} + seconds{second};
    }

    TimePoint now;
};

}  // namespace busho::testing
