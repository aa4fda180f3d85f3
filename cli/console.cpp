// What the commands share: messages on the console, loading a file for its rows, writing an output.

#include <span>

#include "commands.h"
#include "core/data/roster.h"
#include "core/os/file_access.h"
#include "core/text/code_page.h"
#include "core/text/messages.h"

namespace busho::cli {

std::string GbkToUtf8(std::string_view gbk) { return ToUtf8(CodePage::Gbk, gbk); }

void ConsoleEvents::Notify(const Message& m) { context_.out << context_.language.Format(m.body.text, m.body.args) << PathToUtf8(m.body.file) << '\n'; }

int Report(const Context& c, const Problem& problem) {
    c.err << "busho: " << (problem.file.empty() ? std::string() : PathToUtf8(problem.file) + ": ")
          << (problem.cause ? c.language.Describe(*problem.cause) : c.language.Format(problem.text, problem.args)) << '\n';
    return kExitFailed;
}

bool LoadTablesFor(const Context& c, Session& session) {
    const bool ok = session.Edition == kEditionTraditionalChinese ? LoadGbBig5Tables(session.Text.GbBig5, c.dataFolder)
                                                                  : LoadGbkJisTables(session.Text.GbkSjis, c.dataFolder);
    if (!ok) c.err << "busho: " << PathToUtf8(c.dataFolder) << ": the code tables cannot be read\n";
    return ok;
}

std::unique_ptr<Session> LoadForSaving(const Context& c, const std::filesystem::path& file, std::optional<std::uint8_t> edition) {
    auto session = std::make_unique<Session>();
    session->ProgramFolder = c.dataFolder;
    session->DatedBackupsKept = c.datedBackupsKept;
    if (edition) {
        session->Edition = *edition;
        if (!LoadTablesFor(c, *session)) return nullptr;
        LoadRoster(c.dataFolder, session->Roster);
    }
    session->BlankSlotLoaded = LoadBlankSlot(c.dataFolder, session->BlankSlot).ok();
    ConsoleEvents events(c);
    FileAccess files;
    if (const Status loaded = LoadOfficerFileAt(*session, file, events, files, false); !loaded) {
        Report(c, loaded.problem());
        return nullptr;
    }
    return session;
}

std::unique_ptr<Session> LoadForRows(const Context& c, const std::filesystem::path& file, std::uint8_t edition) {
    return LoadForSaving(c, file, edition);
}

int SaveAndReport(const Context& c, Session& session) {
    ConsoleEvents events(c);
    FileAccess files;
    if (const Status saved = SaveAllOfficers(session, events, files); !saved) return Report(c, saved.problem());
    return kExitOk;
}

const RowText& Utf8Text() {
    static const RowText text{[](std::string_view gbk) { return GbkToUtf8(gbk); },
                              [](std::string_view utf8) { return FromUtf8(CodePage::Gbk, utf8); }};
    return text;
}

bool WriteOutputFile(const Context& c, const std::filesystem::path& file, std::string_view bytes, const char* what) {
    FileAccess files;
    const Status written = files.WriteReplacing(file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!written)
        c.err << "busho: " << PathToUtf8(file) << ": cannot write " << what << ": " << c.language.Describe(written.problem()) << '\n';
    return written.ok();
}

}  // namespace busho::cli
