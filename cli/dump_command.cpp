// busho dump [--edition tc|jp] FILE: every officer as JSON, each field under its own name.

#include "commands.h"
#include "core/exchange/officer_json.h"
#include "core/os/file_access.h"
#include "core/text/text_fields.h"

namespace busho::cli {

int Dump(const Context& c, const std::filesystem::path& file, std::optional<std::uint8_t> edition) {
    auto session = std::make_unique<Session>();
    TextFieldDecoder decodeText;
    if (edition) {
        session->Edition = *edition;
        if (!LoadTablesFor(c, *session)) return kExitFailed;
        // Names as the editor shows them: decoded with the traditional switch off, cut at the first NUL.
        decodeText = [&session](std::string_view bytes) { return GbkToUtf8(CutAtNul(DecodeFromGame(*session, bytes))); };
    }
    ConsoleEvents events(c);
    FileAccess files;
    if (const Status loaded = LoadOfficerFileAt(*session, file, events, files, false); !loaded) return Report(c, loaded.problem());
    WriteOfficersJson(c.out, *session, decodeText);
    return c.out.good() ? kExitOk : kExitFailed;
}

}  // namespace busho::cli
