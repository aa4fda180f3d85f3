// The Wine registry reader on any user.reg: values read and mapped into a prefix for both editions.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/os/wine_prefix.h"

namespace {

// A prefix of our own for the whole run, with the folders a lookup walks through.
const std::filesystem::path& Prefix() {
    static const std::filesystem::path prefix = [] {
        const auto path = std::filesystem::temp_directory_path() / ("busho-fuzz-prefix-" + std::to_string(getpid()));
        std::filesystem::create_directories(path / "drive_c" / "users" / "me" / "Documents");
        std::filesystem::create_directories(path / "drive_c" / "Program Files" / "KOEI");
        std::atexit([] { std::error_code ec; std::filesystem::remove_all(Prefix(), ec); });
        return path;
    }();
    return prefix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream reg(Prefix() / "user.reg", std::ios::binary | std::ios::trunc);
        reg.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    busho::ReadUserRegistry(Prefix(), "Software\\Test", "Value");
    for (const std::uint8_t edition : {std::uint8_t{0}, std::uint8_t{1}}) busho::LocateInWinePrefix(Prefix(), edition);
    return 0;
}
