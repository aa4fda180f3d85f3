// busho: the command-line tool on the editor's own core.
//   busho dump [--edition tc|jp] FILE   the officers of FILE as JSON, names decoded for the edition
//   busho resave FILE    load FILE and save it back as the editor does (FILE.BAK first)
//   busho export FILE --edition tc|jp [--format csv|json] [-o OUT]   every officer as a spreadsheet row
//   busho import FILE --edition tc|jp --from OUT                      apply an edited export to FILE
//   busho where --edition tc|jp [--wine-prefix DIR]   the game folder and officer file found under Wine
//   busho faces ARCHIVE  the face count of a face archive and each face's sizes
//   busho face ARCHIVE INDEX OUT.png   one face, decoded as the screen shows it

#include <algorithm>
#include <charconv>
#include <map>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/officer_file.h"
#include "text/text_fields.h"
#include "data/roster.h"
#include "data/wine_prefix.h"
#include "editor/officer_rows.h"
#include "table_io.h"
#include "gbk_console.h"
#include "officer_json.h"
#include "png_writer.h"
#include "portrait/face_archive.h"
#include "program_folder.h"

namespace {

using busho::cli::GbkToUtf8;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInternalError = 2;  // the last guard in main

// Errors go to stderr as one line naming the file and the reason; notices go to stdout.
class ConsoleEvents final : public busho::FileEvents {
public:
    void ShowMessage(const busho::Message& m) override {
        if (m.style & busho::text_gbk::kStyleCritical) {
            std::cerr << "busho: " << (m.path.empty() ? std::string() : m.path.string() + ": ")
                      << GbkToUtf8(m.detail.empty() ? m.text : m.detail) << '\n';
            failed = true;
        } else if (!quiet) {
            std::cout << GbkToUtf8(m.text) << m.path.string() << '\n';
        }
    }
    bool failed = false;
    bool quiet = false;
};

int Usage() {
    std::cerr << "usage: busho dump [--edition tc|jp] FILE\n"
                 "       busho resave FILE\n"
                 "       busho export FILE --edition tc|jp [--format csv|json] [-o OUT]\n"
                 "       busho import FILE --edition tc|jp --from OUT\n"
                 "       busho where --edition tc|jp [--wine-prefix DIR]\n"
                 "       busho faces ARCHIVE\n"
                 "       busho face ARCHIVE INDEX OUT.png\n";
    return kExitUsage;
}

// "tc" and "jp" name the editions on the command line.
std::optional<std::uint8_t> ParseEdition(const std::string& name) {
    if (name == "tc") return busho::kEditionTraditionalChinese;
    if (name == "jp") return busho::kEditionJapanese;
    return std::nullopt;
}

// Loads the code tables the edition needs; false (with a message) when they cannot be read.
bool LoadTablesFor(busho::Session& session, const std::filesystem::path& programFolder) {
    const bool ok = session.Edition == busho::kEditionTraditionalChinese
                        ? busho::LoadGbBig5Tables(session.Text.GbBig5, programFolder)
                        : busho::LoadGbkJisTables(session.Text.GbkSjis, programFolder);
    if (!ok) std::cerr << "busho: " << programFolder.string() << ": the code tables cannot be read\n";
    return ok;
}

int Dump(const std::filesystem::path& file, std::optional<std::uint8_t> edition, const std::filesystem::path& programFolder) {
    auto session = std::make_unique<busho::Session>();
    busho::cli::TextFieldDecoder decodeText;
    if (edition) {
        session->Edition = *edition;
        if (!LoadTablesFor(*session, programFolder)) return kExitFailed;
        // Names as the editor shows them: decoded with the traditional switch off, cut at the first NUL.
        decodeText = [&session](std::string_view bytes) {
            return GbkToUtf8(busho::CutAtNul(busho::DecodeFromGame(*session, bytes)));
        };
    }
    ConsoleEvents events;
    busho::FileAccess files;
    if (!busho::LoadOfficerFileAt(*session, file, events, files, false)) return kExitFailed;
    busho::cli::WriteOfficersJson(std::cout, *session, decodeText);
    return std::cout.good() ? kExitOk : kExitFailed;
}

int DumpCommand(const std::vector<std::string>& args, const std::filesystem::path& programFolder) {
    std::optional<std::uint8_t> edition;
    std::optional<std::string> file;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--edition") {
            if (i + 1 >= args.size() || !(edition = ParseEdition(args[i + 1]))) return Usage();
            ++i;
        } else if (!file && (args[i].empty() || args[i][0] != '-')) {
            file = args[i];
        } else {
            return Usage();
        }
    }
    if (!file) return Usage();
    return Dump(*file, edition, programFolder);
}

int Resave(const std::filesystem::path& file, const std::filesystem::path& programFolder) {
    auto session = std::make_unique<busho::Session>();
    ConsoleEvents events;
    busho::FileAccess files;
    session->ProgramFolder = programFolder;
    session->BlankSlotLoaded = busho::LoadBlankSlot(programFolder, session->BlankSlot).ok;
    if (!busho::LoadOfficerFileAt(*session, file, events, files, false)) return kExitFailed;
    return busho::SaveAllOfficers(*session, events, files) ? kExitOk : kExitFailed;
}

// Options of the form --name value after the command and its file.
struct Options {
    std::optional<std::string> file;
    std::map<std::string, std::string> values;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& names) {
    Options options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (std::find(names.begin(), names.end(), args[i]) != names.end()) {
            if (i + 1 >= args.size() || options.values.count(args[i])) return std::nullopt;
            options.values[args[i]] = args[i + 1];
            ++i;
        } else if (!options.file && !args[i].empty() && args[i][0] != '-') {
            options.file = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (!options.file) return std::nullopt;
    return options;
}

const busho::RowText& Utf8Text() {
    static const busho::RowText text{[](std::string_view gbk) { return GbkToUtf8(std::string(gbk)); },
                                     [](std::string_view utf8) { return busho::cli::Utf8ToGbk(std::string(utf8)); }};
    return text;
}

// A session with the officer file loaded for the edition, and the data files beside the program.
std::unique_ptr<busho::Session> LoadForRows(const std::filesystem::path& file, std::uint8_t edition,
                                            const std::filesystem::path& programFolder) {
    auto session = std::make_unique<busho::Session>();
    session->Edition = edition;
    session->ProgramFolder = programFolder;
    if (!LoadTablesFor(*session, programFolder)) return nullptr;
    busho::LoadRoster(programFolder, session->Roster);
    session->BlankSlotLoaded = busho::LoadBlankSlot(programFolder, session->BlankSlot).ok;
    ConsoleEvents events;
    busho::FileAccess files;
    if (!busho::LoadOfficerFileAt(*session, file, events, files, false)) return nullptr;
    return session;
}

int Export(const std::vector<std::string>& args, const std::filesystem::path& programFolder) {
    const auto options = ParseOptions(args, {"--edition", "--format", "-o"});
    if (!options || !options->values.count("--edition")) return Usage();
    const auto edition = ParseEdition(options->values.at("--edition"));
    const std::string format = options->values.count("--format") ? options->values.at("--format") : "csv";
    if (!edition || (format != "csv" && format != "json")) return Usage();
    auto session = LoadForRows(*options->file, *edition, programFolder);
    if (!session) return kExitFailed;
    const auto names = busho::LoadBuiltInNames(programFolder);
    std::vector<std::vector<std::string>> rows;
    for (int slot = 1; slot < session->EndSlot; ++slot) rows.push_back(busho::ExportRow(*session, slot, names, Utf8Text()));
    const std::string text = format == "csv" ? busho::cli::WriteCsv(busho::ExportColumns(), rows)
                                             : busho::cli::WriteJson(busho::ExportColumns(), rows);
    if (!options->values.count("-o")) {
        std::cout << text;
        return std::cout.good() ? kExitOk : kExitFailed;
    }
    const std::filesystem::path out = options->values.at("-o");
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::cerr << "busho: " << out.string() << ": cannot write the export\n";
        return kExitFailed;
    }
    return kExitOk;
}

int Import(const std::vector<std::string>& args, const std::filesystem::path& programFolder) {
    const auto options = ParseOptions(args, {"--edition", "--from"});
    if (!options || !options->values.count("--edition") || !options->values.count("--from")) return Usage();
    const auto edition = ParseEdition(options->values.at("--edition"));
    if (!edition) return Usage();
    const std::filesystem::path from = options->values.at("--from");
    std::string error;
    busho::FileAccess spreadsheetFiles;
    const auto table = busho::cli::ReadTableFile(from, error, spreadsheetFiles);
    if (!table) {
        std::cerr << "busho: " << from.string() << ": " << error << '\n';
        return kExitFailed;
    }
    auto session = LoadForRows(*options->file, *edition, programFolder);
    if (!session) return kExitFailed;
    const auto names = busho::LoadBuiltInNames(programFolder);
    const auto errors = busho::ImportRows(*session, table->rows, table->rowNumbers, names, Utf8Text());
    for (const auto& e : errors)
        std::cerr << "busho: " << from.string() << ": row " << e.row << ", column " << e.column << ", value \"" << e.value
                  << "\": " << e.reason << '\n';
    if (!errors.empty()) return kExitFailed;
    ConsoleEvents events;
    busho::FileAccess files;
    return busho::SaveAllOfficers(*session, events, files) ? kExitOk : kExitFailed;
}

int Where(const std::vector<std::string>& args) {
    std::optional<std::uint8_t> edition;
    std::optional<std::filesystem::path> prefixOption;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Usage();
        if (args[i] == "--edition" && !edition) edition = ParseEdition(args[i + 1]);
        else if (args[i] == "--wine-prefix" && !prefixOption) prefixOption = args[i + 1];
        else return Usage();
        if (args[i] == "--edition" && !edition) return Usage();
    }
    if (!edition) return Usage();
    const auto prefix = busho::FindWinePrefix(prefixOption);
    if (!prefix) {
        std::cerr << "busho: no Wine prefix with a drive_c folder at "
                  << (prefixOption ? prefixOption->string() : std::string("$WINEPREFIX or ~/.wine")) << '\n';
        return kExitFailed;
    }
    const auto location = busho::LocateInWinePrefix(*prefix, *edition);
    if (location.gameFolder.empty()) {
        std::cerr << "busho: " << (*prefix / "user.reg").string() << ": no InstallInfo under HKEY_CURRENT_USER\\"
                  << busho::InstallKeyFor(*edition) << '\n';
        return kExitFailed;
    }
    if (location.documentsFolder.empty()) {
        std::cerr << "busho: " << (*prefix / "drive_c" / "users").string() << ": no user's Documents folder\n";
        return kExitFailed;
    }
    std::cout << "game folder: " << location.gameFolder.string() << "  (InstallInfo of HKEY_CURRENT_USER\\"
              << busho::InstallKeyFor(*edition) << " in Wine prefix " << prefix->string() << ")\n"
              << "officer file: " << busho::OfficerFilePathFor(*edition, location.documentsFolder).string()
              << "  (Documents folder of Wine prefix " << prefix->string() << ")\n";
    return kExitOk;
}

int FaceFailure(const std::filesystem::path& archive, const busho::FaceArchive& faces) {
    std::cerr << "busho: " << archive.string() << ": " << GbkToUtf8(faces.Error()) << '\n';
    return kExitFailed;
}

int Faces(const std::filesystem::path& archivePath) {
    busho::FaceArchive archive;
    if (!archive.Open(archivePath)) return FaceFailure(archivePath, archive);
    std::cout << "FaceCount " << archive.FaceCount() << '\n';
    for (std::int32_t k = 0; k < archive.FaceCount(); ++k) {
        if (!archive.ReadKaoFace(k)) return FaceFailure(archivePath, archive);
        const auto& h = archive.FaceHeader();
        std::cout << k << ": Width " << h.Width << " Height " << h.Height << " RowPixels " << h.RowPixels << " RowCount "
                  << h.RowCount << '\n';
    }
    return std::cout.good() ? kExitOk : kExitFailed;
}

int Face(const std::filesystem::path& archivePath, const std::string& indexText, const std::filesystem::path& out) {
    std::int32_t index = 0;
    const auto [end, ec] = std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
    if (ec != std::errc{} || end != indexText.data() + indexText.size()) return Usage();
    busho::FaceArchive archive;
    if (!archive.Open(archivePath) || !archive.ReadKaoFace(index)) return FaceFailure(archivePath, archive);
    const busho::FaceImage image = archive.DecodedFace();
    const auto png = busho::cli::EncodePng(image.Width, image.Height, image.Pixels);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    file.close();
    if (!file) {
        std::cerr << "busho: " << out.string() << ": cannot write the image\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

static int Run(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "dump") return DumpCommand(args, busho::cli::ProgramFolder(argv[0]));
    if (args.size() == 2 && args[0] == "resave") return Resave(args[1], busho::cli::ProgramFolder(argv[0]));
    if (!args.empty() && args[0] == "export") return Export(args, busho::cli::ProgramFolder(argv[0]));
    if (!args.empty() && args[0] == "import") return Import(args, busho::cli::ProgramFolder(argv[0]));
    if (!args.empty() && args[0] == "where") return Where(args);
    if (args.size() == 2 && args[0] == "faces") return Faces(args[1]);
    if (args.size() == 4 && args[0] == "face") return Face(args[1], args[2], args[3]);
    return Usage();
}

// The last guard: whatever escapes a command ends busho with its reason and status 2, never a signal.
int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "busho: internal error: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "busho: internal error\n";
    }
    return kExitInternalError;
}
