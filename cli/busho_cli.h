#pragma once
// busho, as a function: the arguments after the program's name in, the exit status out, everything it
// prints through the two streams. main() and the tests call it alike.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace busho::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // a file refused or not written; one line on stderr says why
inline constexpr int kExitUsage = 2;   // wrong arguments, or an internal error caught by the last guard
inline constexpr int kExitDifferent = 1;  // busho diff: the files differ (an unreadable file is kExitUsage)

// dataFolder holds the code tables, the roster and BK.DAT (beside the program, or share/busho-editor).
// Messages are in the language --language names, else in the one `locale` asks for (a POSIX locale
// name such as "ja_JP.UTF-8"; empty: Simplified Chinese).
int RunBusho(const std::vector<std::string>& args, const std::filesystem::path& dataFolder, std::ostream& out,
             std::ostream& err, const std::string& locale = {});

}  // namespace busho::cli
