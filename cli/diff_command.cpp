// busho diff A B [--edition tc|jp] [--format text|json]: what differs between two officer files.

#include "commands.h"
#include "core/exchange/officer_json.h"
#include "core/os/file_access.h"
#include "core/text/text_fields.h"

namespace busho::cli {

void WriteDiffLines(std::ostream& out, const OfficerFileDiff& diff, const GameTextDecoder& decodeText, const char* indent) {
    if (diff.headerChanged)
        out << indent << "header: " << HexBytes(std::string_view(reinterpret_cast<const char*>(diff.headerBefore.data()), kFileHeaderSize))
            << " -> " << HexBytes(std::string_view(reinterpret_cast<const char*>(diff.headerAfter.data()), kFileHeaderSize)) << '\n';
    for (const OfficerDifference& officer : diff.officers) {
        const std::string name = DiffOfficerName(officer, decodeText);
        const std::string who = "slot " + std::to_string(officer.slot) + (name.empty() ? "" : " " + name) + ": ";
        if (officer.change != OfficerChange::Changed) {
            out << indent << who << ChangeName(officer.change) << '\n';
            continue;
        }
        for (const FieldChange& field : officer.fields)
            out << indent << who << field.field << ' ' << FieldValueText(field, field.before, decodeText) << " -> "
                << FieldValueText(field, field.after, decodeText) << '\n';
    }
}

std::optional<GameTextDecoder> NameDecoder(const Context& c, Session& session, std::optional<std::uint8_t> edition) {
    if (!edition) return GameTextDecoder{};
    session.Edition = *edition;
    if (!LoadTablesFor(c, session)) return std::nullopt;
    // Names as the editor shows them: decoded with the traditional switch off, up to the first NUL.
    return GameTextDecoder([&session](std::string_view bytes) { return GbkToUtf8(CutAtNul(DecodeFromGame(session, bytes))); });
}

int Diff(const Context& c, const std::filesystem::path& before, const std::filesystem::path& after,
         std::optional<std::uint8_t> edition, const std::string& format) {
    auto session = std::make_unique<Session>();
    const auto decodeText = NameDecoder(c, *session, edition);
    if (!decodeText) return kExitUsage;
    FileAccess files;
    const auto a = ReadOfficerFile(before, files);
    const auto b = ReadOfficerFile(after, files);
    // Either file unreadable is an error of its own (2): 1 tells that they differ.
    for (const auto& [file, read] : {std::pair{&before, &a}, std::pair{&after, &b}}) {
        if (read->ok()) continue;
        Report(c, Problem(TextId::kTextLoadFailed).InFile(*file).Because(read->problem()));
        return kExitUsage;
    }
    const OfficerFileDiff diff = DiffOfficerFiles(a.value(), b.value());
    if (format == "json") {
        WriteDiffJson(c.out, diff, *decodeText);
    } else {
        WriteDiffLines(c.out, diff, *decodeText, "");
    }
    if (!c.out.good()) return kExitUsage;
    return diff.Equal() ? kExitOk : kExitDifferent;
}

}  // namespace busho::cli
