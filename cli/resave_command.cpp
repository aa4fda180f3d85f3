// busho resave FILE: load the file and save it back as the editor does, the backups first.

#include "commands.h"
#include "core/data/roster.h"
#include "core/os/file_access.h"

namespace busho::cli {

int Resave(const Context& c, const std::filesystem::path& file) {
    auto session = LoadForSaving(c, file);
    if (!session) return kExitFailed;
    return SaveAndReport(c, *session);
}

}  // namespace busho::cli
