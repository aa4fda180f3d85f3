#pragma once
// The program-wide state of one run: created once by the program and passed by reference.

#include <cstdint>
#include <filesystem>

#include "officer_record.h"
#include "roster.h"
#include "core/text/edition_codec.h"
#include "core/text/random_source.h"
#include "core/text/text_tables.h"

namespace busho {


inline constexpr int kDefaultDatedBackupsKept = 20;

// The list a choice in the reference panel goes to: the list beside the 选 button pressed last.
enum class PickTarget { None, Compatibility, Liked1, Liked2, Disliked1, Disliked2, Father };

struct Session {
    std::uint8_t Edition = kEditionUnchosen;
    std::filesystem::path ProgramFolder;    // holds Koei.Dat, BK.DAT and the other data files
    std::filesystem::path DocumentsFolder;  // the user's documents folder, without trailing separator
    std::filesystem::path GameFolder;       // the game's install folder
    std::string AppTitle;                   // GBK: the main window's title once the edition is chosen

    // The open officer file.
    FileHeader Header{};
    OfficerTable Officers;
    int EndSlot = 0;      // slot of the end marker: number of officers + 1
    int CurrentSlot = 0;  // slot shown in the editor
    bool FileLoaded = false;
    std::filesystem::path OfficerFilePath;
    int DatedBackupsKept = kDefaultDatedBackupsKept;  // dated backups a save keeps beside the file

    BlankSlotImage BlankSlot{};
    bool BlankSlotLoaded = false;  // BK.DAT was read whole: saving may write BlankSlot
    RosterTable Roster;

    // Text: the code tables, and the switches as the editor's check boxes hold them: names
    // translated between the game's encoding and the interface (ZZZZ), traditional characters (CK_FT).
    TextTables Text;
    bool ZZZZ = true;
    bool CK_FT = false;

    // The portrait number of the officer in the editor, and the list the reference panel aims at.
    int CurrentPortrait = 0;
    busho::PickTarget PickTarget = busho::PickTarget::None;

    // The program-wide random source.
    RandomSource Random;
};

// The codec as the session sets it: its edition, its switch, its tables.
inline CodecState Codec(Session& session) { return {session.Edition, session.CK_FT, session.Text}; }
inline std::string EncodeForGame(Session& session, std::string_view interfaceText) {
    return EncodeForGame(Codec(session), interfaceText);
}
inline std::string DecodeFromGame(Session& session, std::string_view gameText) {
    return DecodeFromGame(Codec(session), gameText);
}

}  // namespace busho
