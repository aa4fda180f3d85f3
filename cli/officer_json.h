#pragma once
// `busho dump`: the officers of a loaded file as JSON, every field under its own name.

#include <ostream>

#include "data/officer_file.h"

namespace busho::cli {

void WriteOfficersJson(std::ostream& out, const Session& session);

}  // namespace busho::cli
