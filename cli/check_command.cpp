// busho check FILE [--edition tc|jp]: every value of the officer file that the game does not expect,
// one line each: slot, name, field, value and why, separated by tabs.

#include "commands.h"
#include "core/editing/list_row.h"
#include "core/editing/officer_check.h"
#include "core/os/file_access.h"
#include "core/text/text_fields.h"

namespace busho::cli {
namespace {

// A name without its edition: ASCII as it is, every other byte as \xNN.
std::string Escaped(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else {
            out += "\\x";
            out += digits[b >> 4];
            out += digits[b & 15];
        }
    }
    return out;
}

}  // namespace

int Check(const Context& c, const std::filesystem::path& file, std::optional<std::uint8_t> edition) {
    auto session = std::make_unique<Session>();
    if (edition) {
        session->Edition = *edition;
        if (!LoadTablesFor(c, *session)) return kExitUsage;
    }
    ConsoleEvents events(c);
    FileAccess files;
    if (const Status loaded = LoadOfficerFileAt(*session, file, events, files, false); !loaded) {
        Report(c, loaded.problem());
        return kExitUsage;
    }
    const auto findings = CheckOfficers(*session, {edition.has_value()});
    for (const Finding& f : findings) {
        const std::string name = edition ? GbkToUtf8(OfficerName(*session, f.slot, true)) : Escaped(OfficerName(*session, f.slot, false));
        c.out << f.slot << '\t' << name << '\t' << f.field << '\t' << f.value << '\t' << c.language.Format(f.why.text, f.why.args) << '\n';
    }
    if (!c.out.good()) return kExitUsage;
    return findings.empty() ? kExitOk : kExitFailed;
}

}  // namespace busho::cli
