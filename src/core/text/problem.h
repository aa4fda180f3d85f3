#pragma once
// How everything that reads, writes or checks tells what went wrong: a `Problem` names an interface
// text by its identifier, with the arguments for its %1, %2, … and where it happened (the file, the
// officer's slot, the offset in the file, the record field), and may carry the deeper reason that caused it. The text
// is put together only where it is shown, so that a window can show it in the user's language.
// `Result<T>` carries either the value or the problem.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/text/interface_texts.h"

namespace busho {

struct FormattedText;

// An argument of a text: a number, GBK bytes taken as they stand (a name, characters from the file,
// an operating-system message), another interface text (a field's label), or an interface text with
// arguments of its own (the parts of a longer message, each shown in the reader's language).
using TextArg = std::variant<std::int64_t, std::string, TextId, std::shared_ptr<const FormattedText>>;

struct FormattedText {
    TextId text;
    std::vector<TextArg> args;
};

inline TextArg NestedText(TextId id, std::vector<TextArg> args) {
    return std::make_shared<const FormattedText>(FormattedText{id, std::move(args)});
}

struct Problem {
    TextId text{};
    std::vector<TextArg> args;
    std::filesystem::path file;            // shown after the text, in the platform's own form
    std::optional<int> slot;               // the officer's slot, when one is concerned
    std::string field;                     // the record field concerned ("Leadership"), if any
    std::optional<std::uint64_t> offset;   // the offset in `file`, when one is known
    std::shared_ptr<const Problem> cause;  // the deeper reason, shown after the file

    Problem() = default;
    Problem(TextId id, std::vector<TextArg> arguments = {}) : text(id), args(std::move(arguments)) {}

    Problem& InFile(std::filesystem::path path) & { file = std::move(path); return *this; }
    Problem&& InFile(std::filesystem::path path) && { file = std::move(path); return std::move(*this); }
    Problem&& AtSlot(int s) && { slot = s; return std::move(*this); }
    Problem&& AtOffset(std::uint64_t o) && { offset = o; return std::move(*this); }
    Problem&& OfField(std::string name) && { field = std::move(name); return std::move(*this); }
    Problem&& Because(Problem reason) && {
        cause = std::make_shared<const Problem>(std::move(reason));
        return std::move(*this);
    }
    bool Is(TextId id) const { return text == id; }
};

// The text of `id` (GBK) with %1…%9 replaced by the arguments; an argument that is missing leaves
// its marker, one that is not used is dropped.
std::string FormatGbk(TextId id, const std::vector<TextArg>& args);

// The problem as one GBK text: its own text, then the file (through `pathText`), then its cause.
// `pathText` gives a path in the reader's encoding; without it the file is left out.
std::string DescribeGbk(const Problem& problem, std::string (*pathText)(const std::filesystem::path&) = nullptr);

// The value of an operation that worked, or the problem that stopped it.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Problem problem) : state_(std::in_place_index<1>, std::move(problem)) {}
    Result(TextId id) : state_(std::in_place_index<1>, Problem(id)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Problem& problem() const { return std::get<1>(state_); }

private:
    std::variant<T, Problem> state_;
};

// An operation that gives no value: it worked, or here is why not.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Problem problem) : problem_(std::move(problem)) {}
    Result(TextId id) : problem_(Problem(id)) {}

    bool ok() const { return !problem_; }
    explicit operator bool() const { return ok(); }
    const Problem& problem() const { return *problem_; }

private:
    std::optional<Problem> problem_;
};

using Status = Result<void>;

}  // namespace busho
