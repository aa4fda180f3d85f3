#pragma once
// The registered officers of the demo game's two officer files.

#include <vector>

namespace busho::demo {

struct DemoOfficer {
    const char* family;          // the same characters serve both editions
    const char* given;
    const char* familyReading;   // hiragana, for the Japanese edition
    const char* givenReading;
    bool female;
    int birth, death;
    const char* originTc;        // a place, in the Big5 biography
    const char* roleTc;
    const char* roleJp;
};

const std::vector<DemoOfficer>& DemoOfficers();

}  // namespace busho::demo
