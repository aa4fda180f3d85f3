#pragma once
// Numbers as the editor's boxes read and write them.

#include <string>
#include <string_view>

namespace busho {

// The number at the start of a text as a box reads it: blanks skipped, 0 when there is none.
double LeadingNumber(std::string_view text);

// A number made whole as the boxes have always made it: halves go to the even neighbour
// (1550.5 gives 1550, 1551.5 gives 1552).
double RoundHalfEven(double value);

// A number as the grid and the scenario ages write it: one leading blank unless negative,
// fractions with a point and no trailing zeros.
std::string NumberWithSignSpace(double value);

}  // namespace busho
