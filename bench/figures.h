#pragma once
// Samples of a measurement, the figures made from them, and one printed line per figure with its goal
// beside it and whether it is met.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace busho::bench {

// The nearest-rank percentile (0 < p <= 100): the smallest sample that p percent of the samples do
// not exceed.
inline double Percentile(std::vector<double> samples, double p) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

// The middle sample, or the mean of the two middle ones.
inline double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

// One line: what was measured, its figures, the goal and "met" or "MISSED".
inline void PrintFigure(const std::string& what, const std::string& figures, const std::string& goal, bool met) {
    std::printf("%-58s %-36s goal %-22s %s\n", what.c_str(), figures.c_str(), goal.c_str(), met ? "met" : "MISSED");
    std::fflush(stdout);
}

inline std::string Format(const char* format, double a, double b = 0, double c = 0) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

}  // namespace busho::bench
