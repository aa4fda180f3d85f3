#include <gtest/gtest.h>

#include <cstring>

#include "core/data/officer_record.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

std::vector<std::uint8_t> Serialized(const OfficerSlot& slot) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    SerializeSlot(out, slot);
    return bytes;
}

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8) | (bytes.at(offset + 2) << 16) |
                                     (static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24));
}


TEST(OfficerRecordLayout, IntegerFieldsSitAtTheirOffsets) {
    const std::vector<std::pair<const char*, std::size_t>> offsets = {
        {"HeaderWord1", 20}, {"HeaderWord2", 24},   {"HeaderWord3", 28},
        {"HeaderWord4", 32}, {"Gender", 249},       {"PortraitNumber", 253},
        {"BirthYear", 257},  {"DeathYear", 261},    {"Origin", 265},
        {"Faith", 269},      {"Father", 273},       {"CompatibilityOfficer", 277},
        {"Leadership", 281}, {"Valour", 285},       {"Intellect", 289},
        {"Politics", 293},   {"TacticCount", 333},
    };
    for (const auto& [name, offset] : offsets) {
        SCOPED_TRACE(name);
        OfficerSlot slot;
        std::int32_t* target = nullptr;
        ForEachField(slot.Record, [&](const char* fieldName, auto& field) {
            if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::int32_t>)
                if (std::strcmp(fieldName, name) == 0) target = &field;
        });
        ASSERT_NE(target, nullptr);
        *target = 0x01020304 + static_cast<std::int32_t>(offset);
        if (std::strcmp(name, "TacticCount") == 0) *target = 0;  // the value decides how much follows
        const auto bytes = Serialized(slot);
        EXPECT_EQ(Int32At(bytes, offset), *target);
    }
}

TEST(OfficerRecordLayout, TextFieldsAndAptitudesSitAtTheirOffsets) {
    OfficerSlot slot;
    slot.Record.Signature.fill(0xA1);
    slot.Record.FamilyName.fill(0xB2);
    slot.Record.FamilyNameReading.fill(0xC3);
    slot.Record.GivenName.fill(0xD4);
    slot.Record.GivenNameReading.fill(0xE5);
    slot.Record.Biography.fill(0xF6);
    for (int i = 0; i < kAptitudeCount; ++i) slot.Record.Aptitude[static_cast<std::size_t>(i)] = 10 + i;
    const auto bytes = Serialized(slot);
    const std::vector<std::tuple<std::size_t, std::size_t, std::uint8_t>> fields = {
        {0, 20, 0xA1}, {36, 11, 0xB2}, {47, 19, 0xC3}, {66, 11, 0xD4}, {77, 19, 0xE5}, {96, 153, 0xF6}};
    for (const auto& [offset, size, value] : fields) {
        for (std::size_t i = 0; i < size; ++i) ASSERT_EQ(bytes[offset + i], value) << "offset " << offset + i;
        EXPECT_NE(bytes[offset + size], value) << "field at " << offset << " is longer than " << size;
    }
    for (int i = 0; i < kAptitudeCount; ++i) EXPECT_EQ(Int32At(bytes, 297 + 4 * static_cast<std::size_t>(i)), 10 + i);
}

TEST(OfficerRecordLayout, ListsAndExtraFollowTheRecordInOrder) {
    OfficerSlot slot;
    slot.Record.BirthYear = 1550;
    slot.Record.TacticCount = 3;
    slot.Tactics = {7, 8, 9};
    slot.LikedCount = 1;
    slot.Liked = {101, 999};
    slot.DislikedCount = 2;
    slot.Disliked = {201, 202};
    slot.Extra = {61, 62, 63, 64, 65, 66};
    const auto bytes = Serialized(slot);
    // 369 + 4 * (3 + 1 + 2)
    ASSERT_EQ(bytes.size(), 393u);
    std::vector<std::int32_t> tail;
    for (std::size_t off = 337; off < bytes.size(); off += 4) tail.push_back(Int32At(bytes, off));
    EXPECT_EQ(tail, (std::vector<std::int32_t>{7, 8, 9, 1, 101, 2, 201, 202, 61, 62, 63, 64, 65, 66}));
    EXPECT_EQ(SlotSize(slot), bytes.size());
}

TEST(OfficerRecordLayout, EmptyListsMakeA369ByteSlot) {
    OfficerSlot slot;
    slot.Record.BirthYear = 1500;
    EXPECT_EQ(Serialized(slot).size(), kBlankSlotSize);
    EXPECT_EQ(SlotSize(slot), kBlankSlotSize);
}

TEST(OfficerRecordLayout, WrittenFormsOfHeaderAndSignature) {
    const FileHeader header = WrittenFileHeader();
    const std::string expectedHeader("NOBU12EDIT_V4   \x03\0\0\0", 20);
    EXPECT_EQ(std::string(header.begin(), header.end()), expectedHeader);
    const auto signature = WrittenSignature();
    const std::string expectedSignature("NOBU12EDITB_V4  \x03\0\0\0", 20);
    EXPECT_EQ(std::string(signature.begin(), signature.end()), expectedSignature);
}

TEST(OfficerRecordLayout, WritingAnOfficerSetsSignatureHeaderWordsAndOfficerId) {
    OfficerSlot slot = testing::RandomOfficer(5);
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    WriteOfficerSlot(out, 37, slot);
    EXPECT_EQ(slot.Record.Signature, WrittenSignature());
    EXPECT_EQ(slot.Record.HeaderWord1, 0);
    EXPECT_EQ(slot.Record.HeaderWord2, 1);
    EXPECT_EQ(slot.Record.HeaderWord3, 0);
    EXPECT_EQ(slot.Record.HeaderWord4, 0);
    EXPECT_EQ(slot.Extra.OfficerId, 10036);
    EXPECT_EQ(Int32At(bytes, bytes.size() - 12), 10036);
}

TEST(OfficerRecordRead, RandomOfficersSurviveWriteThenRead) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        const OfficerSlot original = testing::RandomOfficer(seed);
        const auto bytes = Serialized(original);
        ByteReader in(bytes);
        OfficerSlot read;
        const auto result = ReadOfficerSlot(in, 1, read);
        ASSERT_TRUE(result) << DescribeGbk(result.problem());
        ASSERT_EQ(result.value(), SlotRead::Officer);
        EXPECT_EQ(read, original) << "seed " << seed;
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(OfficerRecordRead, BirthYearBelowOneEndsTheListAndReadsOnlyTheRecord) {
    for (std::int32_t birthYear : {0, -1, -2000}) {
        OfficerSlot marker = testing::RandomOfficer(9);
        marker.Record.BirthYear = birthYear;
        const auto bytes = Serialized(marker);
        ByteReader in(bytes);
        OfficerSlot read;
        const auto result = ReadOfficerSlot(in, 4, read);
        ASSERT_TRUE(result);
        EXPECT_EQ(result.value(), SlotRead::EndOfList);
        EXPECT_EQ(read.Record, marker.Record);
        EXPECT_EQ(in.Offset(), kRecordSize);
        EXPECT_EQ(read.LikedCount, 0);
    }
}

TEST(OfficerRecordRead, CountsBeyondTheTableAreRefusedNamingSlotAndValue) {
    struct Case {
        const char* what;
        std::int32_t tactics, liked, disliked;
        const char* valueText;
        std::size_t countOffset;  // of the count that is refused, in the slot
    };
    const Case cases[] = {
        {"tactics 32", 32, 0, 0, "32", 0},
        {"tactics -1", -1, 0, 0, "-1", 0},
        {"liked 3", 0, 3, 0, "3", kRecordSize},
        {"liked -1", 0, -1, 0, "-1", kRecordSize},
        {"disliked 3", 0, 0, 3, "3", kRecordSize + 4},
        {"disliked huge", 0, 0, 0x7fffffff, "2147483647", kRecordSize + 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OfficerSlot slot;
        slot.Record.BirthYear = 1560;
        std::vector<std::uint8_t> bytes;
        ByteWriter out(bytes);
        slot.Record.TacticCount = c.tactics;
        ForEachField(slot.Record, [&](const char*, const auto& field) { out.Write(field); });
        for (int i = 0; i < std::max(0, std::min(c.tactics, kMaxTactics)); ++i) out.Write(std::int32_t{5});
        out.Write(c.liked);
        out.Write(c.disliked);
        for (int i = 0; i < 40; ++i) out.Write(std::int32_t{0});
        ByteReader in(bytes);
        OfficerSlot read;
        const auto result = ReadOfficerSlot(in, 12, read);
        ASSERT_FALSE(result);
        // The problem names the slot and where the count lies; its text holds both numbers.
        const Problem& problem = result.problem();
        EXPECT_EQ(problem.slot, 12);
        EXPECT_EQ(problem.offset, c.countOffset);
        const std::string text = DescribeGbk(problem);
        EXPECT_NE(text.find(" 12 "), std::string::npos) << text;
        EXPECT_NE(text.find(std::string(" ") + c.valueText), std::string::npos) << text;
    }
}

TEST(OfficerRecordRead, EndMarkerWithOutOfRangeTacticCountStillWritesWithinTheTable) {
    OfficerSlot marker;
    marker.Record.TacticCount = 1000000;
    EXPECT_EQ(Serialized(marker).size(), kBlankSlotSize + 4 * kMaxTactics);
}

}  // namespace
}  // namespace busho
