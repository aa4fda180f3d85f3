#pragma once
// The commands of busho, one function each over its parsed arguments and the output streams.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "busho_cli.h"
#include "message_language.h"
#include "core/data/officer_diff.h"
#include "core/data/officer_file.h"
#include "core/exchange/officer_rows.h"
#include "core/exchange/table_encoding.h"
#include "core/faces/picture_scaling.h"
#include "core/os/utf8_path.h"

namespace busho::cli {

struct Context {
    std::filesystem::path dataFolder;
    std::ostream& out;
    std::ostream& err;
    int datedBackupsKept = kDefaultDatedBackupsKept;  // --keep: what a save keeps beside the file
    MessageLanguage language;                          // --language, else the locale
};

int Dump(const Context& c, const std::filesystem::path& file, std::optional<std::uint8_t> edition);
int Resave(const Context& c, const std::filesystem::path& file);
int Export(const Context& c, const std::filesystem::path& file, std::uint8_t edition, const std::string& format,
           const std::optional<std::filesystem::path>& outFile, TableEncoding encoding);
int Import(const Context& c, const std::filesystem::path& file, std::uint8_t edition, const std::filesystem::path& from,
           std::optional<TableEncoding> encoding);
int Diff(const Context& c, const std::filesystem::path& before, const std::filesystem::path& after,
         std::optional<std::uint8_t> edition, const std::string& format);
int Backups(const Context& c, const std::filesystem::path& file, std::optional<std::uint8_t> edition);
int Where(const Context& c, std::uint8_t edition, const std::optional<std::filesystem::path>& winePrefix);
int Faces(const Context& c, const std::filesystem::path& archive);
int Delete(const Context& c, const std::filesystem::path& file, const std::vector<int>& slots);
int Move(const Context& c, const std::filesystem::path& file, int from, int to);
// Exit 0 when the file is clean, 1 when something was found, 2 when it could not be checked.
int Check(const Context& c, const std::filesystem::path& file, std::optional<std::uint8_t> edition);
int Face(const Context& c, const std::filesystem::path& archive, std::int32_t index, const std::filesystem::path& png);
// Exit 0 when written, 1 when the picture or the archives are refused, 2 on an I/O error.
int FaceAdd(const Context& c, const std::filesystem::path& gameFolder, const std::filesystem::path& picture,
            std::optional<CropRect> crop);
int FaceReplace(const Context& c, const std::filesystem::path& gameFolder, int number, const std::filesystem::path& picture,
                std::optional<CropRect> crop);
// "X,Y,W,H" in whole pixels; nothing when it is not that.
std::optional<CropRect> ParseCrop(const std::string& text);

// What the commands share.

// Interface texts are GBK; the terminal takes UTF-8.
std::string GbkToUtf8(std::string_view gbk);

// Loading and saving tell their notices through this, on stdout.
class ConsoleEvents final : public FileEvents {
public:
    explicit ConsoleEvents(const Context& c) : context_(c) {}
    void Notify(const Message& m) override;

private:
    const Context& context_;
};

// A problem on stderr as one line naming the file and the reason; returns kExitFailed.
int Report(const Context& c, const Problem& problem);

// Loads the code tables the session's edition needs; false (with a message) when they cannot be read.
bool LoadTablesFor(const Context& c, Session& session);

// A session with the officer file loaded, ready to be saved (the blank slot, the backups to keep), and
// with an edition its code tables and roster; nothing (with a line on stderr) when it cannot be.
std::unique_ptr<Session> LoadForSaving(const Context& c, const std::filesystem::path& file,
                                       std::optional<std::uint8_t> edition = std::nullopt);
// The same, for the edition's rows.
std::unique_ptr<Session> LoadForRows(const Context& c, const std::filesystem::path& file, std::uint8_t edition);
// Saves the session through the one save path, backups first; the exit status.
int SaveAndReport(const Context& c, Session& session);

// Names decoded for the edition into UTF-8 (the session's tables loaded for it), or hex without an
// edition; nothing, with a message, when the tables cannot be read.
std::optional<GameTextDecoder> NameDecoder(const Context& c, Session& session, std::optional<std::uint8_t> edition);

// A diff as text, one line per changed field: "slot 3 NAME: Leadership 80 -> 99", "slot 4 NAME: added".
void WriteDiffLines(std::ostream& out, const OfficerFileDiff& diff, const GameTextDecoder& decodeText, const char* indent);

// Spreadsheet cells are UTF-8; the rows module works in GBK.
const RowText& Utf8Text();

// Writes the bytes through the replacing writer (a new file beside, then the swap); false with a
// message on stderr.
bool WriteOutputFile(const Context& c, const std::filesystem::path& file, std::string_view bytes, const char* what);

}  // namespace busho::cli
