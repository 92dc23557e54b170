#include "content/etiquetes_camps.h"

#include <array>
#include <unordered_map>

namespace quorvel {

namespace {

constexpr std::uint32_t bit(camp_fitxer c) {
    return static_cast<std::uint32_t>(c);
}

constexpr std::uint32_t qualsevol_so = bit(camp_fitxer::media_1) | bit(camp_fitxer::media_2) |
                                       bit(camp_fitxer::media_3) | bit(camp_fitxer::media_4);

const std::unordered_map<std::string_view, std::uint32_t>& etiquetes() {
    using enum camp_fitxer;
    static const std::unordered_map<std::string_view, std::uint32_t> taula = {
        {"exercici", bit(capcalera)},
        {"ejercicio", bit(capcalera)},
        {"autor", bit(capcalera)},
        {"autora", bit(capcalera)},
        {"titol", bit(capcalera)},
        {"titulo", bit(capcalera)},
        {"tipus", bit(tipus)},
        {"tipo", bit(tipus)},
        {"preguntes", bit(compte)},
        {"preguntas", bit(compte)},
        {"entrades", bit(compte)},
        {"entradas", bit(compte)},
        {"elements", bit(compte)},
        {"elementos", bit(compte)},
        {"consigna", bit(consigna_general) | bit(consigna)},
        {"consigna general", bit(consigna_general)},
        {"consigna (nombre)", bit(consigna_general)},
        {"consigna (numero)", bit(consigna_general)},
        {"pregunta", bit(consigna)},
        {"correctes", bit(correctes)},
        {"correctas", bit(correctes)},
        {"sequencia", bit(sequencia)},
        {"secuencia", bit(sequencia)},
        {"columnes", bit(regla_columnes)},
        {"columnas", bit(regla_columnes)},
        {"files", bit(regla_files)},
        {"filas", bit(regla_files)},
        {"especials", bit(especials)},
        {"especiales", bit(especials)},
        {"so be", bit(media_1)},
        {"so 1", bit(media_1)},
        {"sonido bien", bit(media_1)},
        {"sonido 1", bit(media_1)},
        {"so malament", bit(media_2)},
        {"so 2", bit(media_2)},
        {"sonido mal", bit(media_2)},
        {"sonido 2", bit(media_2)},
        {"so final", bit(media_3)},
        {"so 3", bit(media_3)},
        {"sonido final", bit(media_3)},
        {"sonido 3", bit(media_3)},
        {"so 4", bit(media_4)},
        {"sonido 4", bit(media_4)},
        {"so", qualsevol_so},
        {"sonido", qualsevol_so},
        {"escenari", bit(escenari)},
        {"escenario", bit(escenari)},
        {"casella", bit(entrada)},
        {"casilla", bit(entrada)},
        {"entrada", bit(entrada)},
        {"instrument", bit(instrument)},
        {"instrumento", bit(instrument)},
        {"canal", bit(canal)},
        {"pista", bit(pista)},
    };
    return taula;
}

// Windows-1252 letters with accents, upper and lower case, as plain letters.
char sense_accent(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<char>(c - 'A' + 'a');
    }
    if (c < 0xC0 || c == 0xD7 || c == 0xF7) {
        return static_cast<char>(c);
    }
    const unsigned char b = c >= 0xE0 ? static_cast<unsigned char>(c - 0x20) : c;
    if (b <= 0xC5) {
        return 'a';
    }
    if (b == 0xC7) {
        return 'c';
    }
    if (b >= 0xC8 && b <= 0xCB) {
        return 'e';
    }
    if (b >= 0xCC && b <= 0xCF) {
        return 'i';
    }
    if (b == 0xD1) {
        return 'n';
    }
    if (b >= 0xD2 && b <= 0xD6) {
        return 'o';
    }
    if (b >= 0xD9 && b <= 0xDC) {
        return 'u';
    }
    return static_cast<char>(c);
}

bool es_blanc(char c) {
    return c == ' ' || c == '\t';
}

std::string_view retallat(std::string_view t) {
    while (!t.empty() && es_blanc(t.front())) {
        t.remove_prefix(1);
    }
    while (!t.empty() && es_blanc(t.back())) {
        t.remove_suffix(1);
    }
    return t;
}

std::uint32_t buscar(std::string_view clau) {
    const auto& taula = etiquetes();
    const auto it = taula.find(clau);
    return it == taula.end() ? 0 : it->second;
}

} // namespace

std::string etiqueta_normalitzada(std::string_view etiqueta) {
    const std::string_view t = retallat(etiqueta);
    std::string net;
    net.reserve(t.size());
    for (const char c : t) {
        net += sense_accent(static_cast<unsigned char>(c));
    }
    return net;
}

std::uint32_t camps_de_etiqueta(std::string_view etiqueta) {
    // Long texts are values written without a label, not labels. Every
    // record of a file is looked up: the label is normalised in place.
    constexpr std::size_t mida_maxima = 32;
    const std::string_view t = retallat(etiqueta);
    if (t.empty() || t.size() > mida_maxima) {
        return 0;
    }
    std::array<char, mida_maxima> buffer{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        buffer[i] = sense_accent(static_cast<unsigned char>(t[i]));
    }
    const std::string_view net(buffer.data(), t.size());
    if (const std::uint32_t camps = buscar(net); camps != 0) {
        return camps;
    }
    // "Pregunta 3", "Casella 12": the number tells one of many apart.
    std::string_view sense_nombre = net;
    while (!sense_nombre.empty() && sense_nombre.back() >= '0' && sense_nombre.back() <= '9') {
        sense_nombre.remove_suffix(1);
    }
    sense_nombre = retallat(sense_nombre);
    if (sense_nombre.size() < net.size()) {
        if (const std::uint32_t camps = buscar(sense_nombre); camps != 0) {
            return camps;
        }
    }
    // The hints of the hidden cell say which way: "Pista amunt", "Pista dreta".
    if (sense_nombre.starts_with("pista ")) {
        return bit(camp_fitxer::pista);
    }
    return 0;
}

lectura_etiqueta etiqueta_del_registre(std::string_view registre, camp_fitxer esperat) {
    if (esperat == camp_fitxer::lliure) {
        return lectura_etiqueta::lliure;
    }
    const auto tab = registre.find('\t');
    if (tab == std::string_view::npos) {
        return lectura_etiqueta::lliure;
    }
    const std::uint32_t camps = camps_de_etiqueta(registre.substr(0, tab));
    if (camps == 0) {
        return lectura_etiqueta::lliure;
    }
    return (camps & bit(esperat)) != 0 ? lectura_etiqueta::propia : lectura_etiqueta::altra;
}

} // namespace quorvel
