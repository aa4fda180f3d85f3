// busho import FILE --edition tc|jp --from OUT: apply an edited export to the officer file.

#include "commands.h"
#include "core/data/roster.h"
#include "core/exchange/table_io.h"
#include "core/os/file_access.h"

namespace busho::cli {

int Import(const Context& c, const std::filesystem::path& file, std::uint8_t edition, const std::filesystem::path& from) {
    FileAccess spreadsheetFiles;
    const auto table = ReadTableFile(from, spreadsheetFiles);
    if (!table) {
        c.err << "busho: " << from.string() << ": " << GbkToUtf8(DescribeGbk(table.problem())) << '\n';
        return kExitFailed;
    }
    auto session = LoadForRows(c, file, edition);
    if (!session) return kExitFailed;
    session->DatedBackupsKept = c.datedBackupsKept;
    const auto names = LoadBuiltInNames(c.dataFolder);
    EditHistory history;
    const auto errors = ImportRows(*session, history, table->rows, table->rowNumbers, names, Utf8Text());
    for (const Problem& e : errors) c.err << "busho: " << from.string() << ": " << GbkToUtf8(DescribeGbk(e)) << '\n';
    if (!errors.empty()) return kExitFailed;
    ConsoleEvents events(c);
    FileAccess files;
    if (const Status saved = SaveAllOfficers(*session, events, files); !saved) return Report(c, saved.problem());
    return kExitOk;
}

}  // namespace busho::cli
