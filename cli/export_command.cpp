// busho export FILE --edition tc|jp [--format csv|json] [--encoding ENC] [-o OUT]: every officer as a
// spreadsheet row.

#include "commands.h"
#include "core/data/roster.h"
#include "core/exchange/table_io.h"

namespace busho::cli {

int Export(const Context& c, const std::filesystem::path& file, std::uint8_t edition, const std::string& format,
           const std::optional<std::filesystem::path>& outFile, TableEncoding encoding) {
    auto session = LoadForRows(c, file, edition);
    if (!session) return kExitFailed;
    const auto names = LoadBuiltInNames(c.dataFolder);
    std::vector<std::vector<std::string>> rows;
    for (int slot = 1; slot < session->EndSlot; ++slot) rows.push_back(ExportRow(*session, slot, names, Utf8Text()));
    const auto text = format == "json" ? Result<std::string>(WriteJson(ExportColumns(), rows))
                                       : EncodeTableText(WriteCsv(ExportColumns(), rows), encoding);
    if (!text) {
        c.err << "busho: " << (outFile ? PathToUtf8(*outFile) : std::string("stdout")) << ": "
              << GbkToUtf8(DescribeGbk(text.problem())) << '\n';
        return kExitFailed;
    }
    if (!outFile) {
        c.out << text.value();
        return c.out.good() ? kExitOk : kExitFailed;
    }
    return WriteOutputFile(c, *outFile, text.value(), "the export") ? kExitOk : kExitFailed;
}

}  // namespace busho::cli
