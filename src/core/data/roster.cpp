#include "roster.h"

#include <sstream>

#include "core/os/file_access.h"

namespace busho {
namespace {

// Reads up to `limit` bytes of a file; a missing or unreadable file, or one that is not a regular
// file, gives none.
std::vector<std::uint8_t> ReadUpTo(const std::filesystem::path& path, std::size_t limit) {
    FileAccess files;
    auto bytes = files.ReadFile(path, limit);
    if (!bytes) return {};
    return std::move(bytes).value();
}

// More than the 1630 names of at most 12 bytes need, however their lines end.
constexpr std::size_t kMaxNamesFileBytes = std::size_t{1} << 20;

}  // namespace

void ReadRosterEntry(ByteReader& in, RosterEntry& entry) {
    std::array<std::uint8_t, kRosterEntrySize> bytes{};
    in.ReadZeroFilled(bytes);
    ByteReader whole(bytes);
    ForEachField(entry, [&](const char*, auto& field) { whole.Read(field); });
}

void WriteRosterEntry(ByteWriter& out, const RosterEntry& entry) {
    ForEachField(entry, [&](const char*, const auto& field) { out.Write(field); });
}

void LoadRoster(const std::filesystem::path& programFolder, RosterTable& roster) {
    const auto bytes = ReadUpTo(programFolder / kRosterFileName, kBuiltInOfficerCount * kRosterEntrySize);
    ByteReader in(bytes);
    for (int entry = 1; entry <= kBuiltInOfficerCount; ++entry) ReadRosterEntry(in, roster[entry]);
}

Status LoadBlankSlot(const std::filesystem::path& programFolder, BlankSlotImage& blankSlot) {
    FileAccess files;
    const auto read = files.ReadFile(programFolder / kBlankSlotFileName, kBlankSlotSize);
    const std::vector<std::uint8_t> none;
    ByteReader in(read ? read.value() : none);
    in.ReadZeroFilled(blankSlot);
    if (!read) return read.problem();
    if (read->size() < kBlankSlotSize) return Problem(TextId::kReasonFileTooShort, {std::int64_t{kBlankSlotSize}});
    return {};
}

std::vector<std::string> LoadBuiltInNames(const std::filesystem::path& programFolder) {
    std::vector<std::string> names(kBuiltInOfficerCount);
    const auto bytes = ReadUpTo(programFolder / kBuiltInNamesFileName, kMaxNamesFileBytes);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    for (auto& name : names) {
        if (!std::getline(in, line)) break;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Keep at most 12 bytes without splitting a double-byte character.
        std::size_t end = 0;
        while (end < line.size()) {
            const std::size_t width = static_cast<unsigned char>(line[end]) >= 0x81 ? 2 : 1;
            if (end + width > kMaxNameBytes || end + width > line.size()) break;
            end += width;
        }
        name = line.substr(0, end);
    }
    return names;
}

void CopyFigures(const OfficerSlot& officer, RosterEntry& entry) {
    entry.BirthYear = officer.Record.BirthYear;
    entry.DeathYear = officer.Record.DeathYear;
    entry.PortraitNumber = officer.Record.PortraitNumber;
    entry.Leadership = officer.Record.Leadership;
    entry.Valour = officer.Record.Valour;
    entry.Intellect = officer.Record.Intellect;
    entry.Politics = officer.Record.Politics;
    entry.Duty = officer.Extra.Duty;
}

void CopyToRoster(const OfficerTable& officers, RosterTable& roster, int slot) {
    CopyFigures(officers[slot], roster[kBuiltInOfficerCount + slot]);
}

}  // namespace busho
