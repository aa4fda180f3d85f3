#pragma once
// Officer files made in code for tests and benchmarks.

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/data/officer_record.h"

namespace busho::testing {

// An officer with every field set from the seed; counts within what a slot holds.
OfficerSlot RandomOfficer(std::uint32_t seed);

// Gives `o` exactly these relations: the father, and the liked and disliked officers with their counts
// (at most two each; the places after them cleared).
void SetRelations(OfficerSlot& o, std::int32_t father, const std::vector<int>& liked, const std::vector<int>& disliked);

// Header followed by the slots as given (exactly as held, no normalising), then `trailer` bytes.
std::vector<std::uint8_t> BuildFileBytes(const FileHeader& header, const std::vector<OfficerSlot>& slots,
                                         const std::vector<std::uint8_t>& trailer = {});

// An end-marker slot: a record whose BirthYear is 0, written as a full blank slot.
OfficerSlot EndMarker();

// `count` random officers followed by an end marker.
std::vector<OfficerSlot> RandomOfficers(int count, std::uint32_t seed);

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);

// A fresh, empty folder under the system's temporary folder, removed when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace busho::testing
