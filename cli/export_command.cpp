// busho export FILE --edition tc|jp [--format csv|json] [--encoding ENC] [-o OUT]: every officer as a
// spreadsheet row.

#include "commands.h"
#include "core/data/roster.h"
#include "core/exchange/table_io.h"
#include "core/text/code_page.h"

#include <cstdio>

namespace busho::cli {
namespace {

// Characters for a message in GBK: as themselves where GBK has them, else as U+XXXX.
std::string CharactersForMessage(std::string_view utf8) {
    std::string gbk;
    const std::u16string text = Utf8ToUtf16(utf8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool surrogatePair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
        const std::u16string_view character(text.data() + i, surrogatePair ? 2 : 1);
        if (const auto bytes = Encode(CodePage::Gbk, character)) {
            gbk += *bytes;
        } else {
            char code[16];
            const unsigned value = surrogatePair ? 0x10000 + ((text[i] - 0xD800u) << 10) + (text[i + 1] - 0xDC00u) : text[i];
            std::snprintf(code, sizeof code, " U+%04X ", value);
            gbk += code;
        }
        if (surrogatePair) ++i;
    }
    return gbk;
}

}  // namespace

int Export(const Context& c, const std::filesystem::path& file, std::uint8_t edition, const std::string& format,
           const std::optional<std::filesystem::path>& outFile, TableEncoding encoding) {
    auto session = LoadForRows(c, file, edition);
    if (!session) return kExitFailed;
    const auto names = LoadBuiltInNames(c.dataFolder);
    std::vector<std::vector<std::string>> rows;
    for (int slot = 1; slot < session->EndSlot; ++slot) rows.push_back(ExportRow(*session, slot, names, Utf8Text()));
    const auto text = format == "json" ? EncodedTable{WriteJson(ExportColumns(), rows), {}}
                                       : EncodeTableText(WriteCsv(ExportColumns(), rows), encoding);
    // Written all the same, as a spreadsheet program would save it: an import takes the cell back.
    if (!text.lacking.empty())
        c.err << "busho: " << (outFile ? PathToUtf8(*outFile) : std::string("stdout")) << ": "
              << c.language.Format(TextId::kTableEncodingLacks, {std::string(TableEncodingName(encoding)),
                                                                  CharactersForMessage(text.lacking)})
              << '\n';
    if (!outFile) {
        c.out << text.bytes;
        return c.out.good() ? kExitOk : kExitFailed;
    }
    return WriteOutputFile(c, *outFile, text.bytes, "the export") ? kExitOk : kExitFailed;
}

}  // namespace busho::cli
