#include "problem.h"

namespace busho {

std::string FormatGbk(TextId id, const std::vector<TextArg>& args) {
    const std::string_view text = GbkText(id);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // A marker is looked for only between characters: a double-byte character passes whole.
        if (c >= 0x81 && c <= 0xFE && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
            continue;
        }
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                ++i;
                std::visit(
                    [&](const auto& arg) {
                        using A = std::decay_t<decltype(arg)>;
                        if constexpr (std::is_same_v<A, std::int64_t>) out += std::to_string(arg);
                        else if constexpr (std::is_same_v<A, std::string>) out += arg;
                        else if constexpr (std::is_same_v<A, TextId>) out += GbkText(arg);
                        else out += FormatGbk(arg->text, arg->args);
                    },
                    args[n]);
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string DescribeGbk(const Problem& problem, std::string (*pathText)(const std::filesystem::path&)) {
    std::string out = FormatGbk(problem.text, problem.args);
    if (pathText && !problem.file.empty()) out += pathText(problem.file);
    if (problem.cause) out += DescribeGbk(*problem.cause, pathText);
    return out;
}

}  // namespace busho
