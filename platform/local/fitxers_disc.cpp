#include "platform/local/fitxers_disc.h"

#include "core/comodins.h"
#include "core/text.h"
#include "platform/local/escriptura_atomica.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

namespace fs = std::filesystem;

bool es_separador(char c) {
    return c == '/' || c == '\\';
}

// "X:..." names a drive letter, which this system does not have.
bool te_unitat(std::string_view cami) {
    if (cami.size() < 2 || cami[1] != ':') {
        return false;
    }
    const char c = cami[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool te_comodins(std::string_view nom) {
    return nom.find_first_of("*?") != std::string_view::npos;
}

std::vector<std::string> parts_de(std::string_view cami) {
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i < cami.size()) {
        while (i < cami.size() && es_separador(cami[i])) {
            ++i;
        }
        const std::size_t inici = i;
        while (i < cami.size() && !es_separador(cami[i])) {
            ++i;
        }
        if (i > inici) {
            parts.emplace_back(cami.substr(inici, i - inici));
        }
    }
    return parts;
}

// The folder part (with its separator) and the last part of a program path.
std::pair<std::string, std::string> separar_ultim(const std::string& cami) {
    const auto p = cami.find_last_of("/\\");
    if (p == std::string::npos) {
        return {std::string(), cami};
    }
    return {cami.substr(0, p + 1), cami.substr(p + 1)};
}

// An on-disk name as program text. Names on this system are UTF-8; bytes that
// do not form UTF-8 are kept as they are.
std::string nom_programa(const std::string& nom_disc) {
    return de_utf8(nom_disc);
}

bool mateix_nom(std::string_view nom_1252, const std::string& nom_disc) {
    return iguals_sense_majuscules(nom_1252, nom_programa(nom_disc)) ||
           iguals_sense_majuscules(nom_1252, nom_disc);
}

// A disk name matches as program text (UTF-8 decoded) or, for bytes that do
// not decode, as it stands.
bool coincideix(const std::string& patro, const std::string& nom_disc) {
    return coincideix_patro(patro, nom_programa(nom_disc)) || coincideix_patro(patro, nom_disc);
}

// The entry of the folder whose name equals the given one apart from letter
// case; the first in byte order when several do.
std::optional<std::string> buscar_sense_majuscules(const fs::path& carpeta,
                                                   std::string_view nom_1252) {
    std::error_code ec;
    fs::directory_iterator it(carpeta, ec);
    if (ec) {
        return std::nullopt;
    }
    std::optional<std::string> trobat;
    for (const fs::directory_iterator fi; it != fi; it.increment(ec)) {
        if (ec) {
            break;
        }
        const std::string nom = it->path().filename().string();
        if (mateix_nom(nom_1252, nom) && (!trobat || nom < *trobat)) {
            trobat = nom;
        }
    }
    return trobat;
}

// Names (on disk) of the ordinary files of a local folder matching a pattern.
std::vector<std::string> fitxers_coincidents(const std::string& carpeta_local,
                                             const std::string& patro) {
    std::vector<std::string> noms;
    std::error_code ec;
    fs::directory_iterator it(carpeta_local.empty() ? fs::path(".") : fs::path(carpeta_local), ec);
    if (ec) {
        return noms;
    }
    for (const fs::directory_iterator fi; it != fi; it.increment(ec)) {
        if (ec) {
            break;
        }
        std::error_code ec_tipus;
        if (!it->is_regular_file(ec_tipus)) {
            continue;
        }
        std::string nom = it->path().filename().string();
        if (coincideix(patro, nom)) {
            noms.push_back(std::move(nom));
        }
    }
    return noms;
}

std::string motiu(int errnum) {
    return std::generic_category().message(errnum);
}

} // namespace

std::string fitxers_disc::cami_local(const std::string& cami) {
    // A drive letter names nothing on this system.
    if (cami.empty() || te_unitat(cami)) {
        return {};
    }
    const bool absolut = es_separador(cami.front());
    const bool barra_final = es_separador(cami.back());
    std::string sortida = absolut ? "/" : "";
    fs::path carpeta = absolut ? fs::path("/") : fs::path(".");
    // Once a part is found nowhere, the parts below it cannot exist either.
    bool buscar = true;
    bool primera = true;
    for (const std::string& part : parts_de(cami)) {
        std::string nom = a_utf8(part);
        if (buscar && part != "." && part != "..") {
            std::error_code ec;
            if (!fs::exists(fs::symlink_status(carpeta / nom, ec))) {
                if (auto trobat = buscar_sense_majuscules(carpeta, part)) {
                    nom = std::move(*trobat);
                } else {
                    buscar = false;
                }
            }
        }
        if (!primera) {
            sortida += '/';
        }
        sortida += nom;
        carpeta /= nom;
        primera = false;
    }
    if (barra_final && !primera) {
        sortida += '/';
    }
    return sortida;
}

bool fitxers_disc::existeix_fitxer(const std::string& cami) {
    if (te_unitat(cami)) {
        return false;
    }
    const auto [carpeta, nom] = separar_ultim(cami);
    if (te_comodins(nom)) {
        return !fitxers_coincidents(cami_local(carpeta), nom).empty();
    }
    const std::string local = cami_local(cami);
    std::error_code ec;
    return !local.empty() && fs::is_regular_file(local, ec);
}

bool fitxers_disc::existeix_carpeta(const std::string& cami) {
    const std::string local = cami_local(cami);
    std::error_code ec;
    return !local.empty() && fs::is_directory(local, ec);
}

std::optional<std::string> fitxers_disc::cami_complet(const std::string& cami) {
    const std::string local = cami_local(cami);
    std::error_code ec;
    if (local.empty() || !fs::is_regular_file(local, ec)) {
        return std::nullopt;
    }
    const fs::path absolut = fs::absolute(local, ec);
    if (ec) {
        return std::nullopt;
    }
    return de_utf8(absolut.lexically_normal().string());
}

std::string fitxers_disc::nom_unitat(const std::string& cami) {
    if (te_unitat(cami)) {
        return cami.substr(0, 2);
    }
    if (!cami.empty() && es_separador(cami.front())) {
        return "/";
    }
    return {};
}

std::vector<std::string> fitxers_disc::llistar(const std::string& carpeta,
                                               const std::string& patro) {
    if (te_unitat(carpeta)) {
        return {};
    }
    std::vector<std::string> noms;
    for (const std::string& nom : fitxers_coincidents(cami_local(carpeta), patro)) {
        noms.push_back(nom_programa(nom));
    }
    // Alphabetical order regardless of letter case, as a file list reads.
    std::sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
        const std::string pa = minuscules(a);
        const std::string pb = minuscules(b);
        return pa != pb ? pa < pb : a < b;
    });
    return noms;
}

std::optional<std::string> fitxers_disc::llegir_text(const std::string& cami) {
    const std::string local = cami_local(cami);
    std::error_code ec;
    if (local.empty() || !fs::is_regular_file(local, ec)) {
        return std::nullopt;
    }
    std::ifstream entrada(local, std::ios::binary);
    if (!entrada) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << entrada.rdbuf();
    if (entrada.bad()) {
        return std::nullopt;
    }
    return text_de_fitxer(bytes.view());
}

std::string fitxers_disc::escriure_text(const std::string& cami, const std::string& text) {
    const std::string local = cami_local(cami);
    if (local.empty()) {
        return motiu(ENOENT);
    }
    return substituir_fitxer(std::filesystem::path(local), text);
}

bool fitxers_disc::crear_carpeta(const std::string& cami) {
    const std::string local = cami_local(cami);
    if (local.empty()) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(local, ec);
    return fs::is_directory(local, ec);
}

std::string fitxers_disc::carpeta_actual() {
    std::error_code ec;
    const fs::path actual = fs::current_path(ec);
    return ec ? std::string() : de_utf8(actual.string());
}

bool fitxers_disc::canviar_carpeta_actual(const std::string& cami) {
    const std::string local = cami_local(cami);
    if (local.empty()) {
        return false;
    }
    std::error_code ec;
    fs::current_path(local, ec);
    return !ec;
}

} // namespace quorvel
