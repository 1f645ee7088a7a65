// Replays saved fuzz inputs through a fuzz target without libFuzzer: every file named on the
// command line, and every file inside a named folder.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void reda(const std::filesystem::path& fisier) {
    std::ifstream in(fisier, std::ios::binary);
    std::vector<char> octeti((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(octeti.data()), octeti.size());
}

} // namespace

int main(int argc, char** argv) {
    int numar = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path cale(argv[i]);
        if (std::filesystem::is_directory(cale)) {
            for (const auto& intrare : std::filesystem::recursive_directory_iterator(cale))
                if (intrare.is_regular_file()) {
                    reda(intrare.path());
                    ++numar;
                }
        } else if (std::filesystem::is_regular_file(cale)) {
            reda(cale);
            ++numar;
        } else {
            std::fprintf(stderr, "%s: not found\n", argv[i]);
            return 1;
        }
    }
    std::printf("%d inputs replayed\n", numar);
    return 0;
}
