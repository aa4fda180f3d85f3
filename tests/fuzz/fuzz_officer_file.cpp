// The officer-file reader on any bytes: it accepts or refuses, naming the slot and offset when it
// refuses, and never reads outside the file.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "core/data/officer_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Made once: a fresh table for every input would cost more than reading it.
    static auto& contents = *new std::unique_ptr<busho::OfficerFileContents>(std::make_unique<busho::OfficerFileContents>());
    busho::ReadError error;
    const bool accepted = busho::ParseOfficerFile(std::span<const std::uint8_t>(data, size), *contents, error);
    if (accepted != error.reason.empty()) std::abort();  // a refusal always says why
    if (accepted && (contents->EndSlot < 1 || contents->EndSlot >= busho::kSlotCount + 1)) std::abort();
    return 0;
}
