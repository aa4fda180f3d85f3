// busho import FILE --edition tc|jp --from OUT [--encoding ENC]: apply an edited export to the officer
// file.

#include "commands.h"
#include "core/data/roster.h"
#include "core/exchange/table_io.h"
#include "core/os/file_access.h"

namespace busho::cli {

int Import(const Context& c, const std::filesystem::path& file, std::uint8_t edition, const std::filesystem::path& from,
           std::optional<TableEncoding> encoding) {
    FileAccess spreadsheetFiles;
    const auto table = ReadTableFile(from, spreadsheetFiles, encoding);
    if (!table) {
        c.err << "busho: " << PathToUtf8(from) << ": " << c.language.Describe(table.problem()) << '\n';
        return kExitFailed;
    }
    // Saved by Excel on a Chinese or Japanese Windows: say which code page it was read in.
    if (!encoding && table->encoding != TableEncoding::Utf8)
        c.out << PathToUtf8(from) << ": not UTF-8, read as " << TableEncodingName(table->encoding) << '\n';
    auto session = LoadForRows(c, file, edition);
    if (!session) return kExitFailed;
    const auto names = LoadBuiltInNames(c.dataFolder);
    RowText text = Utf8Text();
    if (table->encoding != TableEncoding::Utf8)
        text.asSaved = [encoding = table->encoding](std::string_view utf8) { return AsSavedIn(encoding, utf8); };
    EditHistory history;
    const auto errors = ImportRows(*session, history, table->rows, table->rowNumbers, names, text);
    for (const Problem& e : errors) c.err << "busho: " << PathToUtf8(from) << ": " << c.language.Describe(e) << '\n';
    if (!errors.empty()) return kExitFailed;
    return SaveAndReport(c, *session);
}

}  // namespace busho::cli
