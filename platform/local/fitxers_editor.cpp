#include "platform/local/fitxers_editor.h"

#include "platform/local/escriptura_atomica.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quorvel {

namespace {

bool es_escrivible(const fs::path& carpeta) {
    return ::access(carpeta.c_str(), W_OK) == 0;
}

} // namespace

fs::path nom_lliure(const fs::path& carpeta, const std::string& nom) {
    const fs::path base(nom);
    fs::path cami = carpeta / base;
    std::error_code ec;
    for (int n = 2; fs::exists(fs::symlink_status(cami, ec)); ++n) {
        cami =
            carpeta / (base.stem().string() + "_" + std::to_string(n) + base.extension().string());
    }
    return cami;
}

std::string copiar_lliure(const fs::path& origen, const fs::path& carpeta, std::string& error) {
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    const fs::path desti = nom_lliure(carpeta, origen.filename().string());
    if (ec || !fs::copy_file(origen, desti, fs::copy_options::none, ec)) {
        error = ec ? ec.message() : std::make_error_code(std::errc::file_exists).message();
        return {};
    }
    error.clear();
    return desti.filename().string();
}

resultat_desar desar_exercici(const fs::path& cami, std::string_view bytes,
                              const fs::path& carpeta_usuari, bool protegida) {
    const fs::path carpeta = cami.parent_path().empty() ? fs::path(".") : cami.parent_path();
    if (!protegida && es_escrivible(carpeta)) {
        return {substituir_fitxer(cami, bytes), cami, false};
    }
    std::error_code ec;
    fs::create_directories(carpeta_usuari, ec);
    const fs::path copia = nom_lliure(carpeta_usuari, carpeta.filename().string());
    fs::copy(carpeta, copia, fs::copy_options::recursive, ec);
    if (ec) {
        return {ec.message(), copia, true};
    }
    // The copy is the user's: a read-only library gives read-only copies.
    for (const auto& e : fs::recursive_directory_iterator(copia, ec)) {
        fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    }
    fs::permissions(copia, fs::perms::owner_write, fs::perm_options::add, ec);
    const fs::path fitxer = copia / cami.filename();
    return {substituir_fitxer(fitxer, bytes), fitxer, true};
}

} // namespace quorvel
