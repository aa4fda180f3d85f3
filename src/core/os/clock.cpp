#include "clock.h"

#include <ctime>

namespace busho {

TimePoint Clock::Now() { return std::chrono::system_clock::now(); }

LocalTime Clock::ToLocal(TimePoint moment) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm parts{};
#ifdef _WIN32
    if (localtime_s(&parts, &seconds) != 0) return UtcTime(moment);
#else
    if (localtime_r(&seconds, &parts) == nullptr) return UtcTime(moment);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

LocalTime UtcTime(TimePoint moment) {
    using namespace std::chrono;
    const auto day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(moment - day)};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

}  // namespace busho
