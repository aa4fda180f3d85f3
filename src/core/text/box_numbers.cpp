#include "box_numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace busho {

double LeadingNumber(std::string_view text) {
    std::string digits;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) digits += text[i++];
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;  // blanks inside a number are skipped too
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else {
            break;
        }
    }
    if (digits.empty() || digits == "-" || digits == "+" || digits == "." || digits == "-." || digits == "+.") return 0;
    return std::strtod(digits.c_str(), nullptr);
}

double RoundHalfEven(double v) {
    const double down = std::floor(v);
    const double rest = v - down;
    if (rest > 0.5) return down + 1;
    if (rest < 0.5) return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::string NumberWithSignSpace(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    if (text == "-0") text = "0";
    return text[0] == '-' ? text : " " + text;
}

}  // namespace busho
