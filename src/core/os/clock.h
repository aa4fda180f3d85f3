#pragma once
// The time of day as the saves see it: now, and a moment as the user's local calendar time. Tests
// replace both to make backups at the times they choose.

#include <chrono>

namespace busho {

using TimePoint = std::chrono::system_clock::time_point;

// A calendar date and time of day, to the second.
struct LocalTime {
    int year = 1970;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;

    auto operator<=>(const LocalTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint Now();
    // The moment in the user's time zone (localtime_r, localtime_s).
    virtual LocalTime ToLocal(TimePoint moment);
};

// The moment in UTC, by calendar arithmetic alone.
LocalTime UtcTime(TimePoint moment);

}  // namespace busho
