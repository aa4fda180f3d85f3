// busho resave FILE: load the file and save it back as the editor does, the backup first.

#include "commands.h"
#include "core/data/roster.h"
#include "core/os/file_access.h"

namespace busho::cli {

int Resave(const Context& c, const std::filesystem::path& file) {
    auto session = std::make_unique<Session>();
    ConsoleEvents events(c);
    FileAccess files;
    session->ProgramFolder = c.dataFolder;
    session->BlankSlotLoaded = LoadBlankSlot(c.dataFolder, session->BlankSlot).ok;
    if (!LoadOfficerFileAt(*session, file, events, files, false)) return kExitFailed;
    return SaveAllOfficers(*session, events, files) ? kExitOk : kExitFailed;
}

}  // namespace busho::cli
