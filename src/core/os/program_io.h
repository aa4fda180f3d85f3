#pragma once
// What a command-line program needs from the system to read its arguments and write its output as
// UTF-8, the same on Linux and on Windows.

#include <string>
#include <vector>

namespace busho {

// The arguments after the program's name, as UTF-8. On Windows they are read as UTF-16 from the
// system, since argv holds them in the ANSI code page, where Chinese and Japanese names are lost.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard output and error take bytes as they stand: on Windows in binary mode (no CR before each
// LF), and a console shows them as UTF-8. Nothing to do elsewhere.
void UseUtf8BinaryOutput();

}  // namespace busho
