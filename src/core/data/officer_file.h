#pragma once
// Loading the registered-officer file into the session and saving it back, with a backup first.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/os/clock.h"
#include "core/os/file_access.h"
#include "core/text/messages.h"
#include "officer_record.h"
#include "session.h"

namespace busho {

// What loading and saving tell the windows while they work. What stops them is their result.
class FileEvents {
public:
    virtual ~FileEvents() = default;
    virtual void ClearRows() {}           // a file has been read: its rows follow
    virtual void RowRead(int /*slot*/) {}  // the officer in this slot has been loaded
    virtual void SetCaption(const std::string& /*gbk*/) {}
    virtual void LoadFinished() {}  // every row is in: show the current slot, restore the title
    virtual void Notify(const Message& /*message*/) {}  // what went well: the backup made, the save done
};

// The path of the edition's officer file under the documents folder; empty for any other edition.
std::filesystem::path OfficerFilePathFor(std::uint8_t edition, const std::filesystem::path& documentsFolder);

// The whole content of an officer file as read.
struct OfficerFileContents {
    FileHeader Header{};
    OfficerTable Officers;
    int EndSlot = 1;
};

// Reads a file image. Refuses counts the table cannot hold, slots the file cuts off and a list that
// does not end within the 1000 slots.
Result<OfficerFileContents> ParseOfficerFile(std::span<const std::uint8_t> bytes);

// Reads a whole officer file without taking it into a session; one larger than any officer file is
// refused before it is read.
Result<OfficerFileContents> ReadOfficerFile(const std::filesystem::path& path, FileAccess& files);

// The file image written by saving: header, slots 1..EndSlot, then BlankSlot up to 1000 slots.
// Brings the header, the signatures, header words and officer ids in the session to their written forms.
std::vector<std::uint8_t> SerializeOfficerFile(Session& session);

// Loads the file of the session's edition. A missing file in an existing folder is created empty.
// A failed attempt is retried once; if that fails too the session is left exactly as it was and the
// problem (kTextLoadFailed with the file and the reason) is returned.
Status LoadOfficerFile(Session& session, FileEvents& events, FileAccess& files);
Status LoadOfficerFileAt(Session& session, const std::filesystem::path& path, FileEvents& events, FileAccess& files,
                         bool createIfMissing);

// Replaces the officer file with the session's officers through ReplaceOfficerFile, keeping
// session.DatedBackupsKept dated backups. kTextOpenFirst before a file is loaded, and
// kTextBlankSlotMissing without the blank slot, write nothing. Without a clock, the system's.
Status SaveAllOfficers(Session& session, FileEvents& events, FileAccess& files, Clock& clock);
Status SaveAllOfficers(Session& session, FileEvents& events, FileAccess& files);

// The one way an officer file is replaced: the backups first (see backups.h), then the new bytes
// beside the file and swapped in, then the dated backups beyond `datedBackupsKept` removed. Any
// failure leaves the file and every backup there was and is returned: kTextBackupFailed,
// kTextWriteFailed, or kTextReplacedNotFlushed (the new file is in place but not known to be on disk).
Status ReplaceOfficerFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes, int datedBackupsKept,
                          FileEvents& events, FileAccess& files, Clock& clock);

// The newest backup of an officer file: its name with ".BAK" appended.
std::filesystem::path BackupPathFor(const std::filesystem::path& officerFile);

}  // namespace busho
