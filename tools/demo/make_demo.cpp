// Builds the demo game, so the editor runs without the game:
//   OUTDIR/game/Grp/KAO_{l,m,s}.n12, EDIT_KAO_{l,m,s}.n12   our own portraits
//   OUTDIR/game/snd/VOICE/SE_VOICE_<TYPE>_<n>.wav            generated voice samples
//   OUTDIR/Documents/KOEI/Nobunaga12 TC/.../EDATA000.12Q     officers in Big5
//   OUTDIR/Documents/KOEI/Nobunaga12/.../EDATA000.12Q        officers in Shift-JIS
// Usage: make_demo OUTDIR PROGRAM_FOLDER (where BK.DAT lies). Same bytes on every run.

#include <QGuiApplication>
#include <QImage>


#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/data/officer_file.h"
#include "core/text/code_page.h"
#include "core/data/roster.h"
#include "demo_officers.h"
#include "face_archive_writer.h"
#include "portrait_painter.h"
#include "voice_samples.h"

namespace {

using namespace busho;
using busho::demo::FaceSet;

constexpr int kStandardFaces = kBuiltInOfficerCount;  // one for every built-in officer's portrait number
constexpr int kEditFaces = 100;
constexpr int kEditFaceBase = 1700;

struct Failure {
    std::string what;
};

struct FaceSize {
    const char* suffix;
    int width, height;
};
// Large for the editor's portrait, medium for the picker and the reference panel, small for the preview.
constexpr FaceSize kSizes[] = {{"l", 96, 120}, {"m", 56, 70}, {"s", 40, 50}};

int RoundUp(int v, int multiple) { return (v + multiple - 1) / multiple * multiple; }

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw Failure{"cannot write " + path.string()};
}

// Stored rows are padded as the game's are: rows to a multiple of 16 pixels, row count to 8.
FaceToWrite ToFace(const QImage& image) {
    const int width = image.width(), height = image.height();
    return MakeFace(width, height, RoundUp(width, 16), RoundUp(height, 8), [&](int x, int y) -> std::uint32_t {
        if (x >= width || y >= height) return 0;
        return image.pixel(x, y) & 0x00FFFFFFu;
    });
}

void WriteArchives(const std::filesystem::path& grp) {
    for (const FaceSize& size : kSizes) {
        for (FaceSet set : {FaceSet::Standard, FaceSet::Edit}) {
            const int count = set == FaceSet::Standard ? kStandardFaces : kEditFaces;
            std::vector<FaceToWrite> faces;
            faces.reserve(static_cast<std::size_t>(count));
            for (int k = 0; k < count; ++k) faces.push_back(ToFace(demo::PaintPortrait(set, k, size.width, size.height)));
            const std::string name = std::string(set == FaceSet::Standard ? "KAO_" : "EDIT_KAO_") + size.suffix + ".n12";
            WriteFile(grp / name, BuildFaceArchive(faces));
        }
    }
}

void WriteVoices(const std::filesystem::path& voiceFolder) {
    const char* types[] = {"DIGNITY", "BRAVE", "CLEVER", "YOUNG", "NORMAL", "WOMAN"};
    for (int type = 0; type < 6; ++type)
        for (int n = 1; n <= 49; ++n)
            WriteFile(voiceFolder / ("SE_VOICE_" + std::string(types[type]) + "_" + std::to_string(n) + ".wav"),
                      demo::MakeVoiceSample(type, n));
}

std::string Encode(busho::CodePage page, const std::string& utf8) {
    auto bytes = busho::FromUtf8(page, utf8);
    if (!bytes) throw Failure{"the edition's code page cannot hold \"" + utf8 + "\""};
    return *bytes;
}

template <std::size_t N>
void SetText(ByteField<N>& field, const std::string& bytes, const std::string& what) {
    if (bytes.size() > N) throw Failure{what + " is longer than its field"};
    field = {};
    std::copy(bytes.begin(), bytes.end(), field.begin());
}

// Castles of the castle list (separator rows skipped).
constexpr int kCastles[] = {45, 57, 78, 81, 96, 123, 144, 153, 174, 24, 12, 72, 90, 117, 108, 63, 39, 165, 132, 69};

void FillOfficer(OfficerSlot& slot, const demo::DemoOfficer& o, int index, std::uint8_t edition) {
    std::mt19937 rng(static_cast<std::uint32_t>(1000 + index));
    auto roll = [&](int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); };
    const bool tc = edition == kEditionTraditionalChinese;
    const busho::CodePage code = tc ? busho::CodePage::Big5 : busho::CodePage::ShiftJis;
    OfficerRecord& r = slot.Record;
    SetText(r.FamilyName, Encode(code, o.family), o.family);
    SetText(r.GivenName, Encode(code, o.given), o.given);
    if (!tc) {
        SetText(r.FamilyNameReading, Encode(code, o.familyReading), o.familyReading);
        SetText(r.GivenNameReading, Encode(code, o.givenReading), o.givenReading);
    }
    const std::string biography =
        tc ? std::string(o.originTc) + "出身的" + o.roleTc + "，亂世中嶄露頭角。" : std::string(o.originTc) + "の生まれ。" + o.roleJp + "。";
    SetText(r.Biography, Encode(code, biography), biography);
    r.Gender = o.female ? 0 : 1;
    // Women take edit faces, men mostly standard ones: both sets appear.
    r.PortraitNumber = o.female || index % 5 == 4 ? kEditFaceBase + roll(kEditFaces) : roll(kStandardFaces);
    r.BirthYear = o.birth;
    r.DeathYear = o.death;
    r.Origin = o.female ? 0 : roll(8);
    r.Faith = roll(4);
    // Fathers: none, a built-in officer, or an earlier registered one.
    r.Father = index % 3 == 0 ? -1 : (index % 3 == 1 || index == 0 ? roll(kBuiltInOfficerCount) : kRegisteredNumberBase + roll(index));
    r.CompatibilityOfficer = roll(kBuiltInOfficerCount);
    r.Leadership = 30 + roll(85);
    r.Valour = 30 + roll(85);
    r.Intellect = 30 + roll(85);
    r.Politics = 20 + roll(90);
    for (auto& a : r.Aptitude) a = roll(5);
    // Tactics follow the aptitudes of the five lists that grant them.
    const int groupStart[] = {0, 6, 12, 16, 22};
    const int groupSize[] = {6, 6, 4, 6, 8};
    r.TacticCount = 0;
    for (int list = 0; list < 5; ++list) {
        const int granted = std::min(groupSize[list], r.Aptitude[static_cast<std::size_t>(list)] + (list == 4 ? 1 : 0));
        for (int t = 0; t < granted; ++t) slot.Tactics[static_cast<std::size_t>(r.TacticCount++)] = groupStart[list] + t;
    }
    // Liked and disliked officers among the built-in and the earlier registered ones.
    slot.LikedCount = roll(3);
    for (int i = 0; i < slot.LikedCount; ++i)
        slot.Liked[static_cast<std::size_t>(i)] = index > 0 && i == 1 ? kRegisteredNumberBase + roll(index) : roll(kBuiltInOfficerCount);
    slot.DislikedCount = roll(3);
    for (int i = 0; i < slot.DislikedCount; ++i)
        slot.Disliked[static_cast<std::size_t>(i)] = index > 1 && i == 0 ? kRegisteredNumberBase + roll(index) : roll(kBuiltInOfficerCount);
    slot.Extra.Duty = 1 + roll(100);
    slot.Extra.AssignedCastle = kCastles[index % 20];
    slot.Extra.Status = o.female ? 6 : (index % 4 == 3 ? 3 : 7);
    slot.Extra.Appearance = index % 7 == 6 ? 0 : 1;
    slot.Extra.VoiceType = o.female ? 5 : roll(5);
}

void WriteOfficerFile(const std::filesystem::path& documents, std::uint8_t edition, const std::filesystem::path& programFolder) {
    auto session = std::make_unique<Session>();
    // Every slot after the end marker is the blank slot: without the whole BK.DAT the file would be wrong.
    if (!LoadBlankSlot(programFolder, session->BlankSlot)) throw Failure{"cannot read " + (programFolder / kBlankSlotFileName).string()};
    const auto& officers = demo::DemoOfficers();
    for (std::size_t i = 0; i < officers.size(); ++i)
        FillOfficer(session->Officers[static_cast<int>(i) + 1], officers[i], static_cast<int>(i), edition);
    session->EndSlot = static_cast<int>(officers.size()) + 1;
    WriteFile(OfficerFilePathFor(edition, documents), SerializeOfficerFile(*session));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_demo OUTDIR PROGRAM_FOLDER\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const std::filesystem::path out = argv[1];
        const std::filesystem::path game = out / "game";
        WriteArchives(game / "Grp");
        WriteVoices(game / "snd" / "VOICE");
        for (std::uint8_t edition : {kEditionTraditionalChinese, kEditionJapanese})
            WriteOfficerFile(out / "Documents", edition, argv[2]);
    } catch (const Failure& failure) {
        std::cerr << "make_demo: " << failure.what << '\n';
        return 1;
    }
    return 0;
}
