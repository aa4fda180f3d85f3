#include "reference_figures.h"

#include <algorithm>
#include <cmath>

namespace busho {

AbilityBar BarFor(int value) {
    AbilityBar bar;
    bar.value = value;
    bar.widthTwips = std::clamp(static_cast<int>(std::floor(value / 120.0 * 2880)), 0, 2880);
    if (value > 80) bar.rgb = {255, 0, 0};
    else if (value > 40) bar.rgb = {205, 250, 0};
    else bar.rgb = {0, 250, 0};
    return bar;
}

ReferenceFigures ReferenceFor(const Session& session, int item) {
    const RosterEntry& e = session.Roster[item];
    ReferenceFigures f;
    f.portrait = e.PortraitNumber;
    f.birthYear = e.BirthYear;
    f.deathYear = e.DeathYear;
    f.bars = {BarFor(e.Leadership), BarFor(e.Valour), BarFor(e.Intellect), BarFor(e.Politics)};
    f.duty = e.Duty;
    return f;
}

bool ApplyPick(PickTarget target, int item, EditorValues& v) {
    switch (target) {
        case PickTarget::Compatibility:
            if (item < 1 || item > kBuiltInOfficerCount) return false;
            v.cXXWJ = item - 1;
            return true;
        case PickTarget::Liked1: v.cQEWJ1 = item; return true;
        case PickTarget::Liked2: v.cQEWJ2 = item; return true;
        case PickTarget::Disliked1: v.cYEWJ1 = item; return true;
        case PickTarget::Disliked2: v.cYEWJ2 = item; return true;
        case PickTarget::Father:
            if (item < 0 || item > kBuiltInOfficerCount) return false;
            v.cSF = item;
            return true;
        case PickTarget::None: return false;
    }
    return false;
}

}  // namespace busho
