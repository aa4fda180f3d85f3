// busho resave FILE: load the file and save it back as the editor does, the backups first.

#include "commands.h"
#include "core/data/roster.h"
#include "core/os/file_access.h"

namespace busho::cli {

int Resave(const Context& c, const std::filesystem::path& file) {
    auto session = std::make_unique<Session>();
    ConsoleEvents events(c);
    FileAccess files;
    session->ProgramFolder = c.dataFolder;
    session->DatedBackupsKept = c.datedBackupsKept;
    session->BlankSlotLoaded = LoadBlankSlot(c.dataFolder, session->BlankSlot).ok();
    if (const Status loaded = LoadOfficerFileAt(*session, file, events, files, false); !loaded) return Report(c, loaded.problem());
    if (const Status saved = SaveAllOfficers(*session, events, files); !saved) return Report(c, saved.problem());
    return kExitOk;
}

}  // namespace busho::cli
