#include "officer_record.h"

#include <algorithm>
#include <cstring>


namespace busho {
namespace {

template <std::size_t N>
ByteField<N> PaddedText(const char* text) {
    ByteField<N> field{};
    const std::size_t len = std::min(N, std::strlen(text));
    std::memcpy(field.data(), text, len);
    return field;
}

Problem CountOutOfRange(int slotNumber, TextId what, std::int32_t value, std::size_t offset) {
    return Problem(what, {std::int64_t{slotNumber}, std::int64_t{value}}).AtSlot(slotNumber).AtOffset(offset);
}

Problem CutOff(int slotNumber, std::size_t offset) {
    return Problem(TextId::kReasonCutOff, {std::int64_t{slotNumber}, static_cast<std::int64_t>(offset)})
        .AtSlot(slotNumber)
        .AtOffset(offset);
}

}  // namespace

// "NOBU12EDIT_V4", three spaces, 0x03; "NOBU12EDITB_V4", two spaces, 0x03: 17 bytes each.
FileHeader WrittenFileHeader() { return PaddedText<kFileHeaderSize>("NOBU12EDIT_V4   \x03"); }
ByteField<20> WrittenSignature() { return PaddedText<20>("NOBU12EDITB_V4  \x03"); }

std::size_t SlotSize(const OfficerSlot& slot) {
    return kBlankSlotSize + 4 * static_cast<std::size_t>(std::clamp(slot.Record.TacticCount, 0, kMaxTactics) +
                                                         std::clamp(slot.LikedCount, 0, kMaxRelations) +
                                                         std::clamp(slot.DislikedCount, 0, kMaxRelations));
}

void ReadFileHeader(ByteReader& in, FileHeader& header) {
    // A file shorter than the header gives zero bytes for what is missing.
    in.ReadZeroFilled(header);
}

Result<SlotRead> ReadOfficerSlot(ByteReader& in, int slotNumber, OfficerSlot& slot) {
    const std::size_t recordStart = in.Offset();
    if (in.Remaining() >= kRecordSize) {
        ForEachField(slot.Record, [&](const char*, auto& field) { in.Read(field); });
    } else {
        // The end of the file at a slot's start ends the list. A file that ends inside a record is
        // cut: reading the missing bytes as zeros would take an officer for the end marker and drop it.
        const std::size_t have = in.Remaining();
        if (have == 0) {
            slot.Record = OfficerRecord{};
            return SlotRead::EndOfList;
        }
        return CutOff(slotNumber, recordStart + have);
    }
    if (slot.Record.BirthYear < 1) return SlotRead::EndOfList;

    const std::int32_t tacticCount = slot.Record.TacticCount;
    if (tacticCount < 0 || tacticCount > kMaxTactics)
        return CountOutOfRange(slotNumber, TextId::kReasonTacticCount, tacticCount, recordStart);
    auto cutOff = [&] { return CutOff(slotNumber, in.Offset() + in.Remaining()); };
    slot.Tactics = {};
    for (std::int32_t i = 0; i < tacticCount; ++i) {
        if (!in.Read(slot.Tactics[static_cast<std::size_t>(i)])) return cutOff();
    }
    auto readRelations = [&](std::int32_t& count, std::array<std::int32_t, kMaxRelations>& numbers,
                             TextId what) -> Result<SlotRead> {
        const std::size_t countAt = in.Offset();
        if (!in.Read(count)) return cutOff();
        if (count < 0 || count > kMaxRelations) return CountOutOfRange(slotNumber, what, count, countAt);
        numbers = {};
        for (std::int32_t i = 0; i < count; ++i) {
            if (!in.Read(numbers[static_cast<std::size_t>(i)])) return cutOff();
        }
        return SlotRead::Officer;
    };
    if (auto liked = readRelations(slot.LikedCount, slot.Liked, TextId::kReasonLikedCount); !liked) return liked;
    if (auto disliked = readRelations(slot.DislikedCount, slot.Disliked, TextId::kReasonDislikedCount); !disliked)
        return disliked;
    if (in.Remaining() < kExtraSize) return cutOff();
    ForEachField(slot.Extra, [&](const char*, auto& field) { in.Read(field); });
    return SlotRead::Officer;
}

void WriteFileHeader(ByteWriter& out, FileHeader& header) {
    header = WrittenFileHeader();
    out.Write(header);
}

void SerializeSlot(ByteWriter& out, const OfficerSlot& slot) {
    ForEachField(slot.Record, [&](const char*, const auto& field) { out.Write(field); });
    // Only an end-marker record, which is never read past, can carry counts the table cannot hold;
    // the number of values written is kept within the table so that nothing is read out of it.
    const int tactics = std::clamp(slot.Record.TacticCount, 0, kMaxTactics);
    for (int i = 0; i < tactics; ++i) out.Write(slot.Tactics[static_cast<std::size_t>(i)]);
    out.Write(slot.LikedCount);
    for (int i = 0; i < std::clamp(slot.LikedCount, 0, kMaxRelations); ++i) out.Write(slot.Liked[static_cast<std::size_t>(i)]);
    out.Write(slot.DislikedCount);
    for (int i = 0; i < std::clamp(slot.DislikedCount, 0, kMaxRelations); ++i)
        out.Write(slot.Disliked[static_cast<std::size_t>(i)]);
    ForEachField(slot.Extra, [&](const char*, const auto& field) { out.Write(field); });
}

void WriteOfficerSlot(ByteWriter& out, int slotNumber, OfficerSlot& slot) {
    slot.Record.Signature = WrittenSignature();
    slot.Record.HeaderWord1 = 0;
    slot.Record.HeaderWord2 = 1;
    slot.Record.HeaderWord3 = 0;
    slot.Record.HeaderWord4 = 0;
    slot.Extra.OfficerId = kRegisteredNumberBase - 1 + slotNumber;
    SerializeSlot(out, slot);
}

void WriteBlankSlot(ByteWriter& out, std::span<const std::uint8_t> blankSlot) { out.WriteBytes(blankSlot); }

}  // namespace busho
