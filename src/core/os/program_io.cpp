#include "program_io.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>
#include <cstdio>

#include "core/text/code_page.h"
#endif

namespace busho {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    if (!wide) return args;
    for (int i = 1; i < count; ++i) {
        const std::wstring_view arg(wide[i]);
        args.push_back(Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(arg.data()), arg.size())));
    }
    ::LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
}

void UseUtf8BinaryOutput() {
#ifdef _WIN32
    ::SetConsoleOutputCP(CP_UTF8);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace busho
