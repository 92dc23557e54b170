// Runs every file of the given folders (or the given files) once through the
// fuzz target, so that the corpus is a regression test in every build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void executar(const std::filesystem::path& cami) {
    std::ifstream fitxer(cami, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(fitxer)),
                            std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    std::size_t fets = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path cami(argv[i]);
        if (std::filesystem::is_directory(cami)) {
            std::vector<std::filesystem::path> fitxers;
            for (const auto& entrada : std::filesystem::recursive_directory_iterator(cami)) {
                if (entrada.is_regular_file()) {
                    fitxers.push_back(entrada.path());
                }
            }
            std::sort(fitxers.begin(), fitxers.end());
            for (const auto& f : fitxers) {
                executar(f);
                ++fets;
            }
        } else {
            executar(cami);
            ++fets;
        }
    }
    std::cout << "replayed " << fets << " inputs\n";
    return fets > 0 ? 0 : 1;
}
