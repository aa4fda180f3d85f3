#pragma once
// The registered-officer file EDATA000.12Q: its header, the 337-byte officer record, the 24-byte
// extra block and the variable-length slot, with one field list per record that drives reading,
// writing, sizes and the names used by `busho dump`.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "byte_io.h"
#include "core/text/problem.h"

namespace busho {

inline constexpr int kSlotCount = 1000;         // slots of the file and of the table
inline constexpr int kMaxTactics = 31;          // tactic values a slot can hold
inline constexpr int kMaxRelations = 2;         // liked and disliked officers per slot
inline constexpr int kTacticBoxCount = 30;      // tactic indices 0..29
inline constexpr int kAptitudeCount = 9;
inline constexpr std::size_t kFileHeaderSize = 20;
inline constexpr std::size_t kRecordSize = 337;
inline constexpr std::size_t kExtraSize = 24;
inline constexpr std::size_t kBlankSlotSize = 369;  // record, two zero counts, extra
// The longest slot: record, 31 tactics, two counts with two numbers each, extra.
inline constexpr std::size_t kMaxSlotSize = kBlankSlotSize + 4 * (kMaxTactics + 2 * kMaxRelations);
inline constexpr std::size_t kMaxFileSize = kFileHeaderSize + kSlotCount * kMaxSlotSize;

// Officer numbers: 0..1629 built-in officers, 10000 + slot - 1 registered officers.
inline constexpr int kBuiltInOfficerCount = 1630;
inline constexpr int kRegisteredNumberBase = 10000;
// Portrait numbers from 1700 on are faces of the edit face set (EDIT_KAO_*.n12), face number − 1700.
inline constexpr int kEditFaceBase = 1700;

using FileHeader = ByteField<kFileHeaderSize>;

struct OfficerRecord {
    ByteField<20> Signature{};
    std::int32_t HeaderWord1 = 0;
    std::int32_t HeaderWord2 = 0;
    std::int32_t HeaderWord3 = 0;
    std::int32_t HeaderWord4 = 0;
    ByteField<11> FamilyName{};
    ByteField<19> FamilyNameReading{};
    ByteField<11> GivenName{};
    ByteField<19> GivenNameReading{};
    ByteField<153> Biography{};
    std::int32_t Gender = 0;
    std::int32_t PortraitNumber = 0;
    std::int32_t BirthYear = 0;  // below 1: end of the officer list
    std::int32_t DeathYear = 0;
    std::int32_t Origin = 0;
    std::int32_t Faith = 0;
    std::int32_t Father = 0;  // -1 none, else an officer number
    std::int32_t CompatibilityOfficer = 0;
    std::int32_t Leadership = 0;
    std::int32_t Valour = 0;
    std::int32_t Intellect = 0;
    std::int32_t Politics = 0;
    std::array<std::int32_t, kAptitudeCount> Aptitude{};  // 0..4 for D C B A S
    std::int32_t TacticCount = 0;

    bool operator==(const OfficerRecord&) const = default;
};

// Calls visit(name, field) for every field of the record, in file order.
template <class Record, class Visit>
constexpr void ForEachField(Record& r, Visit&& visit)
    requires std::is_same_v<std::remove_const_t<Record>, OfficerRecord>
{
    visit("Signature", r.Signature);
    visit("HeaderWord1", r.HeaderWord1);
    visit("HeaderWord2", r.HeaderWord2);
    visit("HeaderWord3", r.HeaderWord3);
    visit("HeaderWord4", r.HeaderWord4);
    visit("FamilyName", r.FamilyName);
    visit("FamilyNameReading", r.FamilyNameReading);
    visit("GivenName", r.GivenName);
    visit("GivenNameReading", r.GivenNameReading);
    visit("Biography", r.Biography);
    visit("Gender", r.Gender);
    visit("PortraitNumber", r.PortraitNumber);
    visit("BirthYear", r.BirthYear);
    visit("DeathYear", r.DeathYear);
    visit("Origin", r.Origin);
    visit("Faith", r.Faith);
    visit("Father", r.Father);
    visit("CompatibilityOfficer", r.CompatibilityOfficer);
    visit("Leadership", r.Leadership);
    visit("Valour", r.Valour);
    visit("Intellect", r.Intellect);
    visit("Politics", r.Politics);
    visit("Aptitude", r.Aptitude);
    visit("TacticCount", r.TacticCount);
}

struct OfficerExtra {
    std::int32_t Duty = 0;
    std::int32_t AssignedCastle = 0;  // index into the castle list, separators counted
    std::int32_t Status = 0;
    std::int32_t OfficerId = 0;  // written as 9999 + slot
    std::int32_t Appearance = 0;
    std::int32_t VoiceType = 0;

    bool operator==(const OfficerExtra&) const = default;
};

template <class Extra, class Visit>
constexpr void ForEachField(Extra& e, Visit&& visit)
    requires std::is_same_v<std::remove_const_t<Extra>, OfficerExtra>
{
    visit("Duty", e.Duty);
    visit("AssignedCastle", e.AssignedCastle);
    visit("Status", e.Status);
    visit("OfficerId", e.OfficerId);
    visit("Appearance", e.Appearance);
    visit("VoiceType", e.VoiceType);
}

template <class Record>
constexpr std::size_t RecordSize() {
    Record r{};
    std::size_t total = 0;
    ForEachField(r, [&](const char*, const auto& field) { total += FieldSize(field); });
    return total;
}
static_assert(RecordSize<OfficerRecord>() == kRecordSize);
static_assert(RecordSize<OfficerExtra>() == kExtraSize);

// One officer as held in the table: the record, the lists that follow it on file, the extra block.
struct OfficerSlot {
    OfficerRecord Record;
    std::array<std::int32_t, kMaxTactics> Tactics{};  // entries 0..TacticCount-1 are used
    std::int32_t LikedCount = 0;
    std::array<std::int32_t, kMaxRelations> Liked{};
    std::int32_t DislikedCount = 0;
    std::array<std::int32_t, kMaxRelations> Disliked{};
    OfficerExtra Extra;

    bool operator==(const OfficerSlot&) const = default;
};

// Slots 1..1000, all zero at first.
class OfficerTable {
public:
    OfficerTable() : slots_(kSlotCount) {}
    OfficerSlot& operator[](int slot) { return slots_.at(static_cast<std::size_t>(slot - 1)); }
    const OfficerSlot& operator[](int slot) const { return slots_.at(static_cast<std::size_t>(slot - 1)); }
    bool operator==(const OfficerTable&) const = default;

private:
    std::vector<OfficerSlot> slots_;
};

// The written forms of the header and of the record signature (17 text bytes, NUL-padded to 20).
FileHeader WrittenFileHeader();
ByteField<20> WrittenSignature();

// Size on file of a slot whose counts are valid.
std::size_t SlotSize(const OfficerSlot& slot);

// Reading. A failure names what is wrong and where: the slot, and the file offset of the count that
// is out of range or of the end of a file that cuts the slot off.
enum class SlotRead { Officer, EndOfList };

// Reads the 20-byte header at the reader's position; a file shorter than that gives zero bytes.
void ReadFileHeader(ByteReader& in, FileHeader& header);

// Reads one slot. The record of an end marker (BirthYear below 1) stays in `slot` as read and nothing
// more is read. A file that ends where a slot would start ends the list there (the record reads as
// zeros). Counts beyond what a slot holds, or a slot that the file cuts off anywhere inside it, are
// refused.
Result<SlotRead> ReadOfficerSlot(ByteReader& in, int slotNumber, OfficerSlot& slot);

// Writing.
void WriteFileHeader(ByteWriter& out, FileHeader& header);
// Sets Signature, HeaderWord1..4 and OfficerId to their written values, then writes the slot.
void WriteOfficerSlot(ByteWriter& out, int slotNumber, OfficerSlot& slot);
// Writes the slot exactly as it is held.
void SerializeSlot(ByteWriter& out, const OfficerSlot& slot);
void WriteBlankSlot(ByteWriter& out, std::span<const std::uint8_t> blankSlot);

}  // namespace busho
