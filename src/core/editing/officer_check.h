#pragma once
// The check of an officer table: every value the game does not expect, one finding each. The editor
// runs it after loading and `busho check` prints it.

#include <string>
#include <vector>

#include "core/data/session.h"
#include "core/text/problem.h"

namespace busho {

struct Finding {
    int slot = 0;
    std::string field;  // the record field as `busho dump` names it: "Father", "Liked[1]", "Aptitude[3]"
    std::string value;  // as stored: the number, the bytes of a text that does not decode (hex); empty for a name
    Problem why;        // the reason, an interface text with its arguments
};

struct CheckOptions {
    // The session's edition is known: texts are checked against its encoding. Without it, names are
    // compared as bytes and texts are not checked.
    bool edition = true;
};

// Findings in slot order, for slots 1 .. EndSlot - 1: list values outside their lists (a castle's
// separator row included), relations to officers that do not exist, a death year before the birth
// year, numbers outside the game's ranges, texts that do not decode in the edition, and officers
// whose name an earlier officer has too.
std::vector<Finding> CheckOfficers(const Session& session, CheckOptions options = {});

}  // namespace busho
