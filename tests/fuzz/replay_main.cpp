// Runs a fuzz target over files and folders of inputs, as `make test` does with the seed corpus and
// every past crash input; built with the ordinary compiler, without libFuzzer.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int RunFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "replay: cannot read %s\n", file.string().c_str());
        return 1;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    std::size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given = argv[i];
        if (std::filesystem::is_directory(given)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(given)) {
                if (!entry.is_regular_file() || entry.path().filename().string().front() == '.') continue;
                failures += RunFile(entry.path());
                ++inputs;
            }
        } else {
            failures += RunFile(given);
            ++inputs;
        }
    }
    std::printf("replayed %zu inputs\n", inputs);
    return failures == 0 && inputs > 0 ? 0 : 1;
}
