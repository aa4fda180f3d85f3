// Builds the roster data files from assets/roster.txt (UTF-8, one officer a line):
//   Koei.Dat       1630 records of 92 bytes: the built-in officers' figures
//   KoeiNames.txt  their names in GBK, one a line (CRLF), in the same order
//   BK.DAT         the 369-byte image of an empty slot
// Usage: make_roster SOURCE OUTDIR. Any malformed line stops the build with its line number.

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/data/officer_record.h"
#include "core/text/code_page.h"
#include "core/data/roster.h"

namespace {

struct Failure {
    std::string what;
};

std::string Utf8ToGbk(const std::string& utf8, int lineNumber) {
    // Refuse characters that code page 936 lacks instead of writing a substitute.
    auto gbk = busho::FromUtf8(busho::CodePage::Gbk, utf8);
    if (!gbk) throw Failure{"line " + std::to_string(lineNumber) + ": name not encodable in GBK"};
    return *gbk;
}

int ParseInt(const std::string& field, int lineNumber, const char* what, int lo, int hi) {
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc{} || end != field.data() + field.size() || value < lo || value > hi)
        throw Failure{"line " + std::to_string(lineNumber) + ": " + what + " '" + field + "' is not a number in " +
                      std::to_string(lo) + ".." + std::to_string(hi)};
    return value;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) fields.push_back(field);
    return fields;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw Failure{"cannot write " + path.string()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_roster SOURCE OUTDIR\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) throw Failure{std::string("cannot read ") + argv[1]};
        std::vector<std::uint8_t> koei;
        busho::ByteWriter koeiOut(koei);
        std::string names;
        int lineNumber = 0;
        int officers = 0;
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == '#') continue;
            const auto f = SplitTabs(line);
            if (f.size() != 9) throw Failure{"line " + std::to_string(lineNumber) + ": expected 9 tab-separated fields"};
            const std::string name = Utf8ToGbk(f[0], lineNumber);
            if (name.empty() || name.size() > busho::kMaxNameBytes)
                throw Failure{"line " + std::to_string(lineNumber) + ": name must be 1..12 bytes in GBK"};
            busho::RosterEntry entry;
            entry.BirthYear = ParseInt(f[1], lineNumber, "birth year", 1, 9999);
            entry.DeathYear = ParseInt(f[2], lineNumber, "death year", entry.BirthYear, 9999);
            entry.Leadership = ParseInt(f[3], lineNumber, "leadership", 1, 120);
            entry.Valour = ParseInt(f[4], lineNumber, "valour", 1, 120);
            entry.Intellect = ParseInt(f[5], lineNumber, "intellect", 1, 120);
            entry.Politics = ParseInt(f[6], lineNumber, "politics", 1, 120);
            entry.Duty = ParseInt(f[7], lineNumber, "duty", 1, 100);
            entry.PortraitNumber = ParseInt(f[8], lineNumber, "portrait number", 0, 9999);
            busho::WriteRosterEntry(koeiOut, entry);
            names += name + "\r\n";
            ++officers;
        }
        if (officers != busho::kBuiltInOfficerCount)
            throw Failure{"expected " + std::to_string(busho::kBuiltInOfficerCount) + " officers, found " + std::to_string(officers)};

        // The empty slot: written signature and header words, birth year 0 (an end marker),
        // zero counts and a zero extra block.
        busho::OfficerSlot blank;
        blank.Record.Signature = busho::WrittenSignature();
        blank.Record.HeaderWord2 = 1;
        std::vector<std::uint8_t> bk;
        busho::ByteWriter bkOut(bk);
        busho::SerializeSlot(bkOut, blank);
        if (bk.size() != busho::kBlankSlotSize) throw Failure{"empty slot is not 369 bytes"};

        const std::filesystem::path outDir = argv[2];
        std::filesystem::create_directories(outDir);
        WriteFile(outDir / busho::kRosterFileName, koei);
        WriteFile(outDir / busho::kBuiltInNamesFileName, std::vector<std::uint8_t>(names.begin(), names.end()));
        WriteFile(outDir / busho::kBlankSlotFileName, bk);
    } catch (const Failure& failure) {
        std::cerr << argv[1] << ": " << failure.what << '\n';
        return 1;
    }
    return 0;
}
