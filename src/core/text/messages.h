#pragma once
// The interface texts (GBK bytes, made by the build from assets/interface_texts.txt), the messages
// that show them and the styles of their boxes.

#include <optional>
#include <string>

#include "core/text/interface_texts.h"
#include "core/text/problem.h"

namespace busho {

// A message for the user: the body's text, then its file (in the platform's own file-name form),
// then, on a line of its own, the reason that caused it.
struct Message {
    Problem body;
    std::optional<TextId> title;  // nothing: no title of its own
    int style = 0;                // message-box style value (text_gbk::kStyle*)

    // The body's own text with its arguments (GBK), without the file and the reason.
    std::string Text() const { return FormatGbk(body.text, body.args); }
    // The reason as one GBK text (its files left out); empty when there is none.
    std::string Reason() const { return body.cause ? DescribeGbk(*body.cause) : std::string(); }
};

// A problem as the user is told of it: the title and the icon follow from what it says (a failed
// load or save, a choice made too early); anything else is an error without a title of its own.
Message MessageFor(Problem problem);

}  // namespace busho

namespace busho::text_gbk {

// Message-box style values: icons combine by addition.
inline constexpr int kStyleOk = 0;
inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleQuestion = 32;
inline constexpr int kStyleWarning = 48;
inline constexpr int kStyleInformation = 64;

}  // namespace busho::text_gbk
