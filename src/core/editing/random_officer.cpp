#include "random_officer.h"

#include "editor_texts.h"
#include "core/text/code_table_file.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

constexpr int kNameDraws = 1600;  // items 1..1600 of the compatibility list

// The GBK characters of a text, each as its bytes.
std::vector<std::string> Characters(std::string_view gbk) {
    std::vector<std::string> chars;
    std::size_t at = 0;
    ForEachGbkChar(gbk, [&](std::uint8_t, std::uint8_t, bool isDouble) {
        chars.emplace_back(gbk.substr(at, isDouble ? 2 : 1));
        at += isDouble ? 2 : 1;
    });
    return chars;
}

std::string Join(const std::vector<std::string>& chars, std::size_t from, std::size_t count) {
    std::string text;
    for (std::size_t i = from; i < chars.size() && i < from + count; ++i) text += chars[i];
    return text;
}

int RankFor(double value, int current) {
    if (value > 100) return 4;
    if (value > 80) return 3;
    if (value > 60) return 2;
    if (value > 40) return 1;
    if (value > 1) return 0;
    return current;  // exactly 1 (or less) leaves the rank as it was
}

enum class Extra { None, Single, ThreeWay, TwoWay };

struct TacticRule {
    int list;
    std::array<std::vector<int>, 5> byRank;
    Extra extra;
    std::array<int, 3> extras;
};

const TacticRule kRules[] = {
    {0, {{{}, {0}, {0, 1}, {0, 1}, {0, 1, 2}}}, Extra::ThreeWay, {3, 4, 5}},
    {1, {{{}, {6}, {6, 7}, {6, 7}, {6, 7, 8}}}, Extra::ThreeWay, {9, 10, 11}},
    {2, {{{}, {12}, {12, 13}, {12, 13}, {12, 13, 14}}}, Extra::Single, {15, 0, 0}},
    {3, {{{}, {16}, {16, 17}, {16, 17}, {16, 17, 18}}}, Extra::ThreeWay, {19, 20, 21}},
    {4, {{{22}, {22}, {22, 23}, {22, 23, 24, 27}, {22, 23, 24, 27, 28, 29}}}, Extra::TwoWay, {25, 26, 0}},
};

}  // namespace

int CharacterCount(std::string_view gbk) { return static_cast<int>(Characters(gbk).size()); }

int DrawRandomOfficer(EditorValues& v, RandomSource& random, const std::vector<std::string>& builtInNames) {
    auto item = [&](int i) -> std::string {
        return static_cast<std::size_t>(i) < builtInNames.size() ? builtInNames[static_cast<std::size_t>(i)] : std::string();
    };
    // Two names of four characters or more. Without any such name among the drawn items the loop
    // could never end, so the name is then left as it is.
    bool anyLong = false;
    for (int i = 1; i <= kNameDraws && !anyLong; ++i) anyLong = CharacterCount(item(i)) >= 4;
    if (anyLong) {
        std::string a, b;
        do {
            const int i = random.Draw(kNameDraws);
            const int j = random.Draw(kNameDraws);
            a = item(i);
            b = item(j);
        } while (CharacterCount(a) < 4 || CharacterCount(b) < 4);
        v.txX = Join(Characters(a), 0, 2);
        v.txM = Join(Characters(b), 2, 4);
        v.txLJ = std::string(TrimSpaces(v.txX)) + std::string(TrimSpaces(v.txM)) + text_gbk::kRandomBiographyEnd;
    }

    v.txLTY = std::to_string(random.Draw(120));
    v.txLWG = std::to_string(random.Draw(120));
    v.txLZH = std::to_string(random.Draw(120));
    v.txLZZ = std::to_string(random.Draw(120));
    v.txLQY = std::to_string(random.Draw(100));

    v.SkillList[8] = RankFor(LeadingNumber(v.txLZZ), v.SkillList[8]);
    v.SkillList[4] = RankFor(LeadingNumber(v.txLZH), v.SkillList[4]);
    for (int k : {0, 1, 2, 3, 5, 6, 7}) v.SkillList[static_cast<std::size_t>(k)] = random.Draw(4);

    auto tick = [&](int t) { v.SKill1[static_cast<std::size_t>(t)] = true; };
    for (const TacticRule& rule : kRules) {
        const int rank = v.SkillList[static_cast<std::size_t>(rule.list)];
        if (rank < 0 || rank > 4) continue;
        for (int t : rule.byRank[static_cast<std::size_t>(rank)]) tick(t);
        if (rank != 4) continue;
        if (random.Draw(2) == 1) continue;  // no extra tactic
        switch (rule.extra) {
            case Extra::Single:
                tick(rule.extras[0]);
                break;
            case Extra::ThreeWay:
                if (random.Draw(3) == 1) tick(rule.extras[0]);
                else tick(random.Draw(3) == 2 ? rule.extras[1] : rule.extras[2]);
                break;
            case Extra::TwoWay:
                if (random.Draw(3) == 1) tick(rule.extras[0]);
                else if (random.Draw(3) == 2) tick(rule.extras[1]);
                break;
            case Extra::None:
                break;
        }
    }
    return static_cast<int>(random.Next() * 1000);
}

}  // namespace busho
