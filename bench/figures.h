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

// Columns a UTF-8 text takes on a terminal: Chinese and Japanese characters take two.
inline std::size_t Columns(const std::string& utf8) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        columns += length >= 3 ? 2 : 1;  // three-byte sequences here are CJK, full-width forms and kana
        i += length;
    }
    return columns;
}

inline std::string Padded(const std::string& utf8, std::size_t columns) {
    const std::size_t used = Columns(utf8);
    return used >= columns ? utf8 : utf8 + std::string(columns - used, ' ');
}

// One line: what was measured, its figures, the goal and "met" or "MISSED".
inline void PrintFigure(const std::string& what, const std::string& figures, const std::string& goal, bool met) {
    std::printf("%s %s goal %s %s\n", Padded(what, 66).c_str(), Padded(figures, 58).c_str(), Padded(goal, 14).c_str(),
                met ? "met" : "MISSED");
    std::fflush(stdout);
}

inline std::string Format(const char* format, double a, double b = 0, double c = 0) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

}  // namespace busho::bench
