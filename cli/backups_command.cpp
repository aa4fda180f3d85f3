// busho backups FILE [--edition tc|jp]: the backups beside an officer file, as the restore dialog
// lists them: when each was made, its officers, and what changed from it to the file.

#include <cstdio>

#include "commands.h"
#include "core/data/backups.h"
#include "core/os/clock.h"
#include "core/os/file_access.h"

namespace busho::cli {
namespace {

std::string DateText(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return text;
}

}  // namespace

int Backups(const Context& c, const std::filesystem::path& file, std::optional<std::uint8_t> edition) {
    auto session = std::make_unique<Session>();
    const auto decodeText = NameDecoder(c, *session, edition);
    if (!decodeText) return kExitFailed;
    FileAccess files;
    Clock clock;
    const auto summaries = SummariseBackups(file, files, clock);
    if (summaries.empty()) {
        c.out << "no backups of " << PathToUtf8(file) << '\n';
        return c.out.good() ? kExitOk : kExitFailed;
    }
    for (const BackupSummary& s : summaries) {
        c.out << PathToUtf8(s.file.path.filename()) << "  " << DateText(s.file.made) << (s.file.newest ? "  newest" : "");
        if (s.unreadable) {
            c.out << "  unreadable: " << c.language.Describe(*s.unreadable) << '\n';
            continue;
        }
        c.out << "  " << s.officers << (s.officers == 1 ? " officer" : " officers");
        if (!s.since) {
            c.out << "  the file itself cannot be read\n";
        } else if (s.since->Equal()) {
            c.out << "  same as the file\n";
        } else {
            c.out << "  since then: " << s.since->Count(OfficerChange::Added) << " added, "
                  << s.since->Count(OfficerChange::Removed) << " removed, " << s.since->Count(OfficerChange::Changed)
                  << " changed\n";
            WriteDiffLines(c.out, *s.since, *decodeText, "    ");
        }
    }
    return c.out.good() ? kExitOk : kExitFailed;
}

}  // namespace busho::cli
