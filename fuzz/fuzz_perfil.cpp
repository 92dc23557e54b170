// Fuzz target: any bytes as the settings file, read and then written back
// with one key changed.
#include "app/configuracio.h"
#include "app/sessio.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    static const std::filesystem::path carpeta =
        std::filesystem::temp_directory_path() /
        ("quorvel-fuzz-perfil-" + std::to_string(getpid()));
    std::filesystem::create_directories(carpeta);
    {
        std::ofstream fitxer(carpeta / "quorvel.ini", std::ios::binary | std::ios::trunc);
        fitxer.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    sessio s;
    s.carpeta_programa = carpeta.string();
    fitxers_disc fitxers;
    perfil_ini perfil;
    configuracio_llegir(s, fitxers, perfil);
    s.idioma = "espanyol.trad";
    configuracio_desar_idioma(s, perfil);
    return 0;
}
