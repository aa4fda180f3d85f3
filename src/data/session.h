#pragma once
// The program-wide state of one run: created once by the program and passed by reference.

#include <cstdint>
#include <filesystem>

#include "officer_record.h"
#include "roster.h"

namespace busho {

inline constexpr std::uint8_t kEditionUnchosen = 99;
inline constexpr std::uint8_t kEditionTraditionalChinese = 0;  // Big5
inline constexpr std::uint8_t kEditionJapanese = 1;            // Shift-JIS

struct Session {
    std::uint8_t Edition = kEditionUnchosen;
    std::filesystem::path ProgramFolder;    // holds Koei.Dat, BK.DAT and the other data files
    std::filesystem::path DocumentsFolder;  // the user's documents folder, without trailing separator

    // The open officer file.
    FileHeader Header{};
    OfficerTable Officers;
    int EndSlot = 0;      // slot of the end marker: number of officers + 1
    int CurrentSlot = 0;  // slot shown in the editor
    bool FileLoaded = false;
    std::filesystem::path OfficerFilePath;

    BlankSlotImage BlankSlot{};
    RosterTable Roster;
};

}  // namespace busho
