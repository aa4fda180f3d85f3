// The command line of busho: CLI11 parses it into one command and its arguments.

#include "busho_cli.h"

#include <CLI/CLI.hpp>

#include <optional>

#include "commands.h"
#include "core/data/backups.h"
#include "core/data/officer_file.h"
#include "core/os/utf8_path.h"

namespace busho::cli {
namespace {

constexpr const char* kUsage =
    "Usage: busho dump [--edition tc|jp] FILE\n"
    "  or:  busho [--keep N] resave FILE\n"
    "  or:  busho [--keep N] delete FILE SLOT...\n"
    "  or:  busho [--keep N] move FILE FROM TO\n"
    "  or:  busho check FILE [--edition tc|jp]\n"
    "  or:  busho export FILE --edition tc|jp [--format csv|json] [--encoding ENC] [-o OUT]\n"
    "  or:  busho [--keep N] import FILE --edition tc|jp --from OUT [--encoding ENC]\n"
    "  or:  busho diff A B [--edition tc|jp] [--format text|json]\n"
    "  or:  busho backups FILE [--edition tc|jp]\n"
    "  or:  busho where --edition tc|jp [--wine-prefix DIR]\n"
    "  or:  busho faces ARCHIVE\n"
    "  or:  busho face ARCHIVE INDEX OUT.png\n"
    "  or:  busho [--keep N] face-add GAME_FOLDER PICTURE [--crop X,Y,W,H]\n"
    "  or:  busho [--keep N] face-replace GAME_FOLDER NUMBER PICTURE [--crop X,Y,W,H]\n"
    "  or:  busho --help\n";

constexpr const char* kFooter =
    "Exit status: 0 on success, 1 when a file is refused or cannot be written (one line on stderr names\n"
    "the file and the reason; nothing changes on disk), 2 on wrong arguments. busho diff: 0 when the\n"
    "files hold the same officers, 1 when they differ, 2 when one cannot be read. busho check: 0 when the\n"
    "file is clean, 1 when it found something, 2 when the file cannot be read. busho face-add and\n"
    "face-replace: 0 when the face is written, 1 when the picture or the face archives are refused, 2 on\n"
    "wrong arguments or when a file cannot be read or written; the three archives change together or not at all.\n"
    "Saving keeps the file as it was in FILE.BAK and the backups before that as\n"
    "FILE.YYYYMMDD-HHMMSS.BAK, the last 20 of them (--keep N).";

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

int RunBusho(const std::vector<std::string>& args, const std::filesystem::path& dataFolder, std::ostream& out, std::ostream& err,
             const std::string& locale) {
    CLI::App app{"Reads and writes the registered-officer files (EDATA*.12Q) of Nobunaga's Ambition: Kakushin PK.", "busho"};
    app.formatter(std::make_shared<Formatter>());
    app.footer(kFooter);
    app.require_subcommand(1, 1);
    app.fallthrough(false);

    // Paths arrive as UTF-8 text and become paths through PathFromUtf8.
    std::string file, edition, format = "csv", archive, from, png, otherFile, diffFormat = "text";
    int keep = kDefaultDatedBackupsKept;
    std::optional<std::string> editionOption, outFile, winePrefixOption, encoding;
    std::int32_t index = 0;
    const auto editions = CLI::IsMember({"tc", "jp"});
    const char* editionHelp = "the Traditional-Chinese (Big5) or the Japanese (Shift-JIS) edition";
    const auto encodings = CLI::IsMember({"utf-8", "gbk", "big5", "sjis"});

    auto* dump = app.add_subcommand("dump", "print every officer of FILE as JSON; with --edition, names and biography as text");
    dump->add_option("FILE", file, "the officer file")->required();
    dump->add_option("--edition", editionOption, editionHelp)->check(editions);

    const auto keepRange = CLI::Range(0, kMaxDatedBackupsKept);
    const char* keepHelp = "dated backups a save keeps beside the file (default: 20)";
    app.add_option("--keep", keep, keepHelp)->check(keepRange);
    std::optional<std::string> languageOption;
    app.add_option("--language", languageOption, "the language of messages (default: from LC_ALL, LC_MESSAGES or LANG)")
        ->check(CLI::IsMember({"zh_CN", "zh_TW", "ja", "en"}));

    auto* resave = app.add_subcommand("resave", "load FILE and save it back as the editor does, its backups first");
    resave->add_option("FILE", file, "the officer file")->required();
    resave->add_option("--keep", keep, keepHelp)->check(keepRange);

    std::vector<int> slots;
    int fromSlot = 0, toSlot = 0;
    auto* deleteCommand = app.add_subcommand("delete", "delete the officers of the SLOTs from FILE, its backups first; later officers move up");
    deleteCommand->add_option("FILE", file, "the officer file")->required();
    deleteCommand->add_option("SLOT", slots, "the slot of an officer, from 1")->required();
    deleteCommand->add_option("--keep", keep, keepHelp)->check(keepRange);

    auto* move = app.add_subcommand("move", "move the officer of slot FROM to slot TO in FILE, its backups first");
    move->add_option("FILE", file, "the officer file")->required();
    move->add_option("FROM", fromSlot, "the officer's slot")->required();
    move->add_option("TO", toSlot, "the slot it moves to")->required();
    move->add_option("--keep", keep, keepHelp)->check(keepRange);

    auto* check = app.add_subcommand("check", "list every value of FILE the game does not expect; exit 1 when there is one");
    check->add_option("FILE", file, "the officer file")->required();
    check->add_option("--edition", editionOption, editionHelp)->check(editions);

    auto* exportCommand = app.add_subcommand("export", "write the officers of FILE as CSV or JSON rows to OUT (default: stdout)");
    exportCommand->add_option("FILE", file, "the officer file")->required();
    exportCommand->add_option("--edition", edition, editionHelp)->required()->check(editions);
    exportCommand->add_option("--format", format, "the row format (default: csv)")->check(CLI::IsMember({"csv", "json"}));
    exportCommand->add_option("--encoding", encoding, "the CSV's encoding: utf-8 (with a byte-order mark, the default), gbk, big5 or sjis")
        ->check(encodings);
    exportCommand->add_option("-o", outFile, "the file to write");

    auto* importCommand = app.add_subcommand("import", "apply the rows of OUT, an edited export, to FILE, its backups first");
    importCommand->add_option("FILE", file, "the officer file")->required();
    importCommand->add_option("--edition", edition, editionHelp)->required()->check(editions);
    importCommand->add_option("--from", from, "the spreadsheet to read")->required();
    importCommand->add_option("--keep", keep, keepHelp)->check(keepRange);

    auto* diff = app.add_subcommand("diff", "tell the officers and fields that differ from officer file A to B");
    diff->add_option("A", file, "the officer file before")->required();
    diff->add_option("B", otherFile, "the officer file after")->required();
    diff->add_option("--edition", editionOption, std::string(editionHelp) + ", to show names as text")->check(editions);
    diff->add_option("--format", diffFormat, "one line per changed field, or JSON (default: text)")
        ->check(CLI::IsMember({"text", "json"}));

    auto* backups = app.add_subcommand("backups", "list the backups of FILE: when made, officers, what changed since");
    backups->add_option("FILE", file, "the officer file")->required();
    backups->add_option("--edition", editionOption, std::string(editionHelp) + ", to show names as text")->check(editions);
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

    std::string gameFolder, pictureFile;
    std::optional<std::string> cropText;
    int portraitNumber = 0;
    const char* cropHelp = "the part of the picture to use, in pixels (default: the whole picture); each size takes its centre";
    auto* faceAdd = app.add_subcommand("face-add", "add PICTURE (PNG, JPEG, BMP) as a new edit face in all three sizes; prints its number");
    faceAdd->add_option("GAME_FOLDER", gameFolder, "the game folder, which holds Grp")->required();
    faceAdd->add_option("PICTURE", pictureFile, "the picture")->required();
    faceAdd->add_option("--crop", cropText, cropHelp);
    faceAdd->add_option("--keep", keep, keepHelp)->check(keepRange);

    auto* faceReplace = app.add_subcommand("face-replace", "make edit face NUMBER (1700 or more) from PICTURE in all three sizes");
    faceReplace->add_option("GAME_FOLDER", gameFolder, "the game folder, which holds Grp")->required();
    faceReplace->add_option("NUMBER", portraitNumber, "the edit face's portrait number")->required();
    faceReplace->add_option("PICTURE", pictureFile, "the picture")->required();
    faceReplace->add_option("--crop", cropText, cropHelp);
    faceReplace->add_option("--keep", keep, keepHelp)->check(keepRange);

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

    const MessageLanguage language = languageOption ? *MessageLanguage::Named(*languageOption) : MessageLanguage::ForLocale(locale);
    const Context context{dataFolder, out, err, keep, language};
    const auto namedEdition = editionOption ? std::optional<std::uint8_t>(EditionNamed(*editionOption)) : std::nullopt;
    auto optionalPath = [](const std::optional<std::string>& utf8) {
        return utf8 ? std::optional<std::filesystem::path>(PathFromUtf8(*utf8)) : std::nullopt;
    };
    if (dump->parsed()) return Dump(context, PathFromUtf8(file), namedEdition);
    if (resave->parsed()) return Resave(context, PathFromUtf8(file));
    if (deleteCommand->parsed()) return Delete(context, PathFromUtf8(file), slots);
    if (move->parsed()) return Move(context, PathFromUtf8(file), fromSlot, toSlot);
    if (check->parsed()) return Check(context, PathFromUtf8(file), namedEdition);
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
    if (diff->parsed()) return Diff(context, PathFromUtf8(file), PathFromUtf8(otherFile), namedEdition, diffFormat);
    if (backups->parsed()) return Backups(context, PathFromUtf8(file), namedEdition);
    if (where->parsed()) return Where(context, EditionNamed(edition), optionalPath(winePrefixOption));
    if (faces->parsed()) return Faces(context, PathFromUtf8(archive));
    if (face->parsed()) return Face(context, PathFromUtf8(archive), index, PathFromUtf8(png));
    if (faceAdd->parsed() || faceReplace->parsed()) {
        std::optional<CropRect> crop;
        if (cropText) {
            crop = ParseCrop(*cropText);
            if (!crop) {
                err << "busho: --crop takes X,Y,W,H in whole pixels\n" << kUsage;
                return kExitUsage;
            }
        }
        if (faceAdd->parsed()) return FaceAdd(context, PathFromUtf8(gameFolder), PathFromUtf8(pictureFile), crop);
        return FaceReplace(context, PathFromUtf8(gameFolder), portraitNumber, PathFromUtf8(pictureFile), crop);
    }
    err << kUsage;
    return kExitUsage;
}

}  // namespace busho::cli
