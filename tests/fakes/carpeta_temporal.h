// A folder of the test's own on disk, removed with all it holds when the test
// ends (ctest runs tests side by side, so each gets a fresh name), and whole
// files read and written as bytes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace quorvel::fakes {

inline std::string llegir_fitxer(const std::filesystem::path& cami) {
    std::ifstream f(cami, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void escriure_fitxer(const std::filesystem::path& cami, const std::string& bytes) {
    std::ofstream(cami, std::ios::binary | std::ios::trunc) << bytes;
}

class carpeta_temporal {
  public:
    // `copia`: a folder whose contents the new folder starts with.
    explicit carpeta_temporal(const std::string& nom, const std::filesystem::path& copia = {}) {
        std::string plantilla =
            (std::filesystem::temp_directory_path() / ("quorvel-" + nom + "-XXXXXX")).string();
        if (mkdtemp(plantilla.data()) == nullptr) {
            throw std::runtime_error("no temporary folder for " + nom);
        }
        cami_ = plantilla;
        if (!copia.empty()) {
            std::filesystem::copy(copia, cami_, std::filesystem::copy_options::recursive);
        }
    }
    ~carpeta_temporal() {
        std::error_code ignorat;
        std::filesystem::remove_all(cami_, ignorat);
    }
    carpeta_temporal(const carpeta_temporal&) = delete;
    carpeta_temporal& operator=(const carpeta_temporal&) = delete;

    [[nodiscard]] const std::filesystem::path& cami() const { return cami_; }
    [[nodiscard]] std::filesystem::path operator/(const std::string& nom) const {
        return cami_ / nom;
    }

  private:
    std::filesystem::path cami_;
};

} // namespace quorvel::fakes
