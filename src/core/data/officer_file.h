#pragma once
// Loading the registered-officer file into the session and saving it back, with a backup first.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/os/file_access.h"
#include "core/text/messages.h"
#include "officer_record.h"
#include "session.h"

namespace busho {

// What loading and saving tell the windows.
class FileEvents {
public:
    virtual ~FileEvents() = default;
    virtual void ClearRows() {}           // a file has been read: its rows follow
    virtual void RowRead(int /*slot*/) {}  // the officer in this slot has been loaded
    virtual void SetCaption(const std::string& /*gbk*/) {}
    virtual void LoadFinished() {}  // every row is in: show the current slot, restore the title
    virtual void ShowMessage(const Message& /*message*/) {}
};

// The path of the edition's officer file under the documents folder; empty for any other edition.
std::filesystem::path OfficerFilePathFor(std::uint8_t edition, const std::filesystem::path& documentsFolder);

// The whole content of an officer file as read.
struct OfficerFileContents {
    FileHeader Header{};
    OfficerTable Officers;
    int EndSlot = 1;
};

// Reads a file image into `contents`. Refuses counts the table cannot hold, slots the file cuts off
// and a list that does not end within the 1000 slots.
bool ParseOfficerFile(std::span<const std::uint8_t> bytes, OfficerFileContents& contents, ReadError& error);

// The file image written by saving: header, slots 1..EndSlot, then BlankSlot up to 1000 slots.
// Brings the header, the signatures, header words and officer ids in the session to their written forms.
std::vector<std::uint8_t> SerializeOfficerFile(Session& session);

// Loads the file of the session's edition. A missing file in an existing folder is created empty.
// A failed attempt is retried once; if that fails too the user is told why and the session is left
// exactly as it was. Returns whether the file was loaded.
bool LoadOfficerFile(Session& session, FileEvents& events, FileAccess& files);
bool LoadOfficerFileAt(Session& session, const std::filesystem::path& path, FileEvents& events, FileAccess& files,
                       bool createIfMissing);

// Copies the file to its backup (name + ".BAK"), then replaces it with the session's officers.
// Any failure is reported and leaves the file and an earlier backup as they were.
bool SaveAllOfficers(Session& session, FileEvents& events, FileAccess& files);

// The backup path for an officer file.
std::filesystem::path BackupPathFor(const std::filesystem::path& officerFile);

}  // namespace busho
