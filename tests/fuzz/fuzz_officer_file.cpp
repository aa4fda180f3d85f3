// The officer-file reader on any bytes: it accepts or refuses, naming the slot and offset when it
// refuses, and never reads outside the file.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "core/data/officer_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto contents = busho::ParseOfficerFile(std::span<const std::uint8_t>(data, size));
    if (!contents && busho::DescribeGbk(contents.problem()).empty()) std::abort();  // a refusal always says why
    if (contents && (contents->EndSlot < 1 || contents->EndSlot >= busho::kSlotCount + 1)) std::abort();
    return 0;
}
