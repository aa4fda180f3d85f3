// The command line of busho: CLI11 parses it into one command and its arguments.

#include "busho_cli.h"

#include <CLI/CLI.hpp>

#include <optional>

#include "commands.h"
#include "core/data/officer_file.h"
#include "core/os/utf8_path.h"

namespace busho::cli {
namespace {

constexpr const char* kUsage =
    "Usage: busho dump [--edition tc|jp] FILE\n"
    "  or:  busho resave FILE\n"
    "  or:  busho export FILE --edition tc|jp [--format csv|json] [--encoding ENC] [-o OUT]\n"
    "  or:  busho import FILE --edition tc|jp --from OUT [--encoding ENC]\n"
    "  or:  busho where --edition tc|jp [--wine-prefix DIR]\n"
    "  or:  busho faces ARCHIVE\n"
    "  or:  busho face ARCHIVE INDEX OUT.png\n"
    "  or:  busho --help\n";

constexpr const char* kFooter =
    "Exit status: 0 on success, 1 when a file is refused or cannot be written (one line on stderr names\n"
    "the file and the reason; nothing changes on disk), 2 on wrong arguments.";

std::uint8_t EditionNamed(const std::string& name) {
    return name == "tc" ? kEditionTraditionalChinese : kEditionJapanese;
}

// The formatter writes the usage line as CLI11 would, then our synopsis of every command.
class Formatter final : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override {
        return app->get_parent() ? CLI::Formatter::make_usage(app, name) : std::string(kUsage);
    }
};

}  // namespace

int RunBusho(const std::vector<std::string>& args, const std::filesystem::path& dataFolder, std::ostream& out, std::ostream& err) {
    CLI::App app{"Reads and writes the registered-officer files (EDATA*.12Q) of Nobunaga's Ambition: Kakushin PK.", "busho"};
    app.formatter(std::make_shared<Formatter>());
    app.footer(kFooter);
    app.require_subcommand(1, 1);
    app.fallthrough(false);

    // Paths arrive as UTF-8 text and become paths through PathFromUtf8.
    std::string file, edition, format = "csv", archive, from, png;
    std::optional<std::string> editionOption, outFile, winePrefixOption, encoding;
    std::int32_t index = 0;
    const auto editions = CLI::IsMember({"tc", "jp"});
    const char* editionHelp = "the Traditional-Chinese (Big5) or the Japanese (Shift-JIS) edition";
    const auto encodings = CLI::IsMember({"utf-8", "gbk", "big5", "sjis"});

    auto* dump = app.add_subcommand("dump", "print every officer of FILE as JSON; with --edition, names and biography as text");
    dump->add_option("FILE", file, "the officer file")->required();
    dump->add_option("--edition", editionOption, editionHelp)->check(editions);

    auto* resave = app.add_subcommand("resave", "load FILE and save it back as the editor does, FILE.BAK first");
    resave->add_option("FILE", file, "the officer file")->required();

    auto* exportCommand = app.add_subcommand("export", "write the officers of FILE as CSV or JSON rows to OUT (default: stdout)");
    exportCommand->add_option("FILE", file, "the officer file")->required();
    exportCommand->add_option("--edition", edition, editionHelp)->required()->check(editions);
    exportCommand->add_option("--format", format, "the row format (default: csv)")->check(CLI::IsMember({"csv", "json"}));
    exportCommand->add_option("--encoding", encoding, "the CSV's encoding: utf-8 (with a byte-order mark, the default), gbk, big5 or sjis")
        ->check(encodings);
    exportCommand->add_option("-o", outFile, "the file to write");

    auto* importCommand = app.add_subcommand("import", "apply the rows of OUT, an edited export, to FILE, FILE.BAK first");
    importCommand->add_option("FILE", file, "the officer file")->required();
    importCommand->add_option("--edition", edition, editionHelp)->required()->check(editions);
    importCommand->add_option("--from", from, "the spreadsheet to read")->required();
    importCommand->add_option("--encoding", encoding,
                              "the spreadsheet's encoding: utf-8, gbk, big5 or sjis (default: UTF-8 if it is, else the one it reads in)")
        ->check(encodings);

    auto* where = app.add_subcommand("where", "tell which game folder and officer file the editor would use, and why");
    where->add_option("--edition", edition, editionHelp)->required()->check(editions);
    where->add_option("--wine-prefix", winePrefixOption, "the Wine prefix the game is installed in");

    auto* faces = app.add_subcommand("faces", "print the face count of a face archive and each face's sizes");
    faces->add_option("ARCHIVE", archive, "a face archive (Grp/KAO_m.n12, ...)")->required();

    auto* face = app.add_subcommand("face", "write face INDEX of a face archive to OUT.png, as the editor shows it");
    face->add_option("ARCHIVE", archive, "a face archive")->required();
    face->add_option("INDEX", index, "the face's number in the archive, from 0")->required();
    face->add_option("OUT.png", png, "the picture to write")->required();

    std::vector<const char*> argv{"busho"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err) == 0 ? kExitOk : kExitUsage;
    } catch (const CLI::ParseError& e) {
        err << "busho: " << e.what() << '\n' << kUsage;
        return kExitUsage;
    }

    const Context context{dataFolder, out, err};
    auto optionalPath = [](const std::optional<std::string>& utf8) {
        return utf8 ? std::optional<std::filesystem::path>(PathFromUtf8(*utf8)) : std::nullopt;
    };
    if (dump->parsed())
        return Dump(context, PathFromUtf8(file), editionOption ? std::optional<std::uint8_t>(EditionNamed(*editionOption)) : std::nullopt);
    if (resave->parsed()) return Resave(context, PathFromUtf8(file));
    const auto tableEncoding = encoding ? TableEncodingNamed(*encoding) : std::nullopt;
    if (exportCommand->parsed()) {
        if (format == "json" && tableEncoding && *tableEncoding != TableEncoding::Utf8) {
            err << "busho: --encoding " << *encoding << " is for CSV; JSON is always UTF-8\n" << kUsage;
            return kExitUsage;
        }
        return Export(context, PathFromUtf8(file), EditionNamed(edition), format, optionalPath(outFile),
                      tableEncoding.value_or(TableEncoding::Utf8));
    }
    if (importCommand->parsed()) return Import(context, PathFromUtf8(file), EditionNamed(edition), PathFromUtf8(from), tableEncoding);
    if (where->parsed()) return Where(context, EditionNamed(edition), optionalPath(winePrefixOption));
    if (faces->parsed()) return Faces(context, PathFromUtf8(archive));
    if (face->parsed()) return Face(context, PathFromUtf8(archive), index, PathFromUtf8(png));
    err << kUsage;
    return kExitUsage;
}

}  // namespace busho::cli
