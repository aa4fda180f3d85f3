// Writes the seed corpus of every fuzz target into the folder given: valid files made in code, and
// a few near misses, so that fuzzing starts from inputs that reach deep into each reader.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/data/officer_file.h"
#include "core/exchange/officer_rows.h"
#include "face_archive_writer.h"
#include "officer_fixtures.h"
#include "picture_files.h"
#include "core/exchange/table_io.h"

namespace {

void Write(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Write(const std::filesystem::path& file, const std::string& text) { Write(file, std::vector<std::uint8_t>(text.begin(), text.end())); }

void OfficerFiles(const std::filesystem::path& folder) {
    using busho::testing::BuildFileBytes;
    using busho::testing::RandomOfficers;
    const busho::FileHeader header = busho::WrittenFileHeader();
    Write(folder / "empty", std::vector<std::uint8_t>{});
    Write(folder / "one-officer", BuildFileBytes(header, RandomOfficers(1, 1)));
    Write(folder / "five-officers", BuildFileBytes(header, RandomOfficers(5, 2)));
    auto noMarker = BuildFileBytes(header, {busho::testing::RandomOfficer(3), busho::testing::RandomOfficer(4)});
    Write(folder / "no-marker", noMarker);
    noMarker.resize(noMarker.size() - 30);
    Write(folder / "cut", noMarker);
}

void FaceArchives(const std::filesystem::path& folder) {
    auto pixel = [](int x, int y) { return static_cast<std::uint32_t>(x * 31 + y * 7); };
    Write(folder / "three-faces", busho::BuildFaceArchive({busho::MakeFace(4, 3, 4, 3, pixel), busho::MakeFace(5, 4, 8, 6, pixel),
                                                            busho::MakeFace(6, 2, 3, 2, pixel)}));
    Write(folder / "one-face", busho::BuildFaceArchive({busho::MakeFace(2, 2, 2, 2, pixel)}));
    Write(folder / "header-only", std::vector<std::uint8_t>{'K', 'A', 'O', 0, 1, 0, 0, 0, 0, 0, 0, 0});
}

void Pictures(const std::filesystem::path& folder) {
    using busho::testing::PictureFormat;
    const busho::Picture picture = busho::testing::MakePicture(19, 13, [](int x, int y) { return static_cast<std::uint32_t>(x * 13 << 16 | y * 19 << 8 | (x ^ y)); });
    Write(folder / "small.png", busho::testing::EncodePicture(PictureFormat::Png, picture));
    Write(folder / "small.jpg", busho::testing::EncodePicture(PictureFormat::Jpeg, picture));
    Write(folder / "small.bmp", busho::testing::EncodePicture(PictureFormat::Bmp, picture));
    Write(folder / "huge.png", busho::testing::WithClaimedSize(PictureFormat::Png, busho::testing::EncodePicture(PictureFormat::Png, picture), 30000, 30000));
}

void Spreadsheets(const std::filesystem::path& folder) {
    const auto& columns = busho::ExportColumns();
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 3; ++r) {
        std::vector<std::string> row(columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string& name = columns[c];
            if (name == "slot") row[c] = r < 2 ? std::to_string(r + 1) : "";
            else if (name == "BirthYear") row[c] = std::to_string(1540 + r);
            else if (name == "DeathYear") row[c] = std::to_string(1600 + r);
            else if (name == "Leadership" || name == "Valour" || name == "Intellect" || name == "Politics") row[c] = "70";
            else if (name == "FamilyName") row[c] = "\xe7\xbb\x87\xe7\x94\xb0";    // 织田
            else if (name == "GivenName") row[c] = "\xe4\xbf\xa1\xe9\x95\xbf";     // 信长
            else if (name == "Tactics") row[c] = "0 1 2";
        }
        rows.push_back(row);
    }
    Write(folder / "export.csv", busho::WriteCsv(columns, rows));
    Write(folder / "export.json", busho::WriteJson(columns, rows));
    Write(folder / "escapes.json", std::string(R"([{"slot":"1","FamilyName":"\u7e54\u7530","Biography":"a\"b\\c\n\ud83d\ude00"}])"));
    Write(folder / "quoted.csv", std::string("slot,Biography\r\n1,\"a,\"\"b\"\"\r\nc\"\r\n"));
}

void Registries(const std::filesystem::path& folder) {
    Write(folder / "user.reg",
          std::string("WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n"
                      "[Software\\\\KOEI\\\\Nobunaga12PK TC\\\\Install] 1700000000\n#time=1d9e1f0a1b2c3d4\n"
                      "\"InstallInfo\"=\"C:\\\\Program Files\\\\KOEI\\\\Nobunaga12 TC\\\\\"\n\n"
                      "[Software\\\\KOEI\\\\Nobunaga12PK\\\\Install] 1700000000\n"
                      "\"InstallInfo\"=str(2):\"D:\\\\Games\\\\N12\\\\\\x4e2d\"\n\n"
                      "[Software\\\\Test] 1\n\"Value\"=\"a\\x41\\\\b\\n\\0c\"\n\n"
                      "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1700000000\n"
                      "\"Personal\"=\"C:\\\\users\\\\me\\\\Documents\"\n"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    OfficerFiles(root / "officer_file");
    OfficerFiles(root / "officer_round_trip");
    FaceArchives(root / "face_archive");
    Pictures(root / "picture");
    Spreadsheets(root / "spreadsheet");
    Registries(root / "wine_registry");
    return 0;
}
