#include "officer_fixtures.h"

#include <atomic>
#include <fstream>
#include <stdexcept>

#include "core/data/byte_io.h"

namespace busho::testing {

void SetRelations(OfficerSlot& o, std::int32_t father, const std::vector<int>& liked, const std::vector<int>& disliked) {
    o.Record.Father = father;
    const auto set = [](std::int32_t& count, std::array<std::int32_t, kMaxRelations>& places, const std::vector<int>& officers) {
        count = static_cast<std::int32_t>(officers.size());
        places = {};
        for (std::size_t i = 0; i < officers.size() && i < places.size(); ++i) places[i] = officers[i];
    };
    set(o.LikedCount, o.Liked, liked);
    set(o.DislikedCount, o.Disliked, disliked);
}

OfficerSlot RandomOfficer(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto any = [&] { return static_cast<std::int32_t>(rng()); };
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    OfficerSlot slot;
    OfficerRecord& r = slot.Record;
    ForEachField(r, [&](const char*, auto& field) {
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::int32_t>) {
            field = any();
        } else if constexpr (std::is_same_v<T, std::array<std::int32_t, kAptitudeCount>>) {
            for (auto& v : field) v = in(0, 4);
        } else {
            for (auto& b : field) b = static_cast<std::uint8_t>(rng());
        }
    });
    r.BirthYear = in(1, 1700);
    r.TacticCount = in(0, kMaxTactics);
    for (int i = 0; i < r.TacticCount; ++i) slot.Tactics[static_cast<std::size_t>(i)] = in(0, 29);
    slot.LikedCount = in(0, kMaxRelations);
    for (int i = 0; i < slot.LikedCount; ++i) slot.Liked[static_cast<std::size_t>(i)] = any();
    slot.DislikedCount = in(0, kMaxRelations);
    for (int i = 0; i < slot.DislikedCount; ++i) slot.Disliked[static_cast<std::size_t>(i)] = any();
    ForEachField(slot.Extra, [&](const char*, auto& field) { field = any(); });
    return slot;
}

OfficerSlot EndMarker() { return OfficerSlot{}; }

std::vector<OfficerSlot> RandomOfficers(int count, std::uint32_t seed) {
    std::vector<OfficerSlot> slots;
    for (int i = 0; i < count; ++i) slots.push_back(RandomOfficer(seed + static_cast<std::uint32_t>(i)));
    slots.push_back(EndMarker());
    return slots;
}

std::vector<std::uint8_t> BuildFileBytes(const FileHeader& header, const std::vector<OfficerSlot>& slots,
                                         const std::vector<std::uint8_t>& trailer) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    out.Write(header);
    for (const auto& slot : slots) SerializeSlot(out, slot);
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    return bytes;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("busho-test-" + std::to_string(seed()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

}  // namespace busho::testing
