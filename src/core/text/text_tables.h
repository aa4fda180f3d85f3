#pragma once
// Every code table the text conversions use, loaded once at start-up.

#include <filesystem>

#include "gb_big5.h"
#include "gbk_sjis.h"
#include "simplified_traditional.h"

namespace busho {

struct TextTables {
    GbBig5Tables GbBig5;
    GbkSjisTables GbkSjis;
    SimplifiedTraditionalTables Forms;
};

}  // namespace busho
