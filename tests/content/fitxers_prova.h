// Shared by the scenario and exercise file tests and fuzz targets: reading the
// sample files, building CR LF texts, and describing everything a load fills
// so two loads can be compared.
#pragma once

#include "app/sessio.h"
#include "core/text.h"
#include "tests/fakes/carpeta_temporal.h"

#include <initializer_list>
#include <string>

namespace quorvel::prova {

#ifdef QUORVEL_TEST_DATA
inline std::string dades(const std::string& nom) {
    return text_de_fitxer(fakes::llegir_fitxer(std::string(QUORVEL_TEST_DATA) + "/" + nom));
}
#endif
#ifdef QUORVEL_SOURCE_DIR
// A file of the bundled program folder, as the program reads its text.
inline std::string dades_programa(const std::string& nom) {
    return text_de_fitxer(fakes::llegir_fitxer(std::string(QUORVEL_SOURCE_DIR) + "/data/" + nom));
}
#endif

inline std::string linies(std::initializer_list<std::string> l) {
    std::string text;
    for (const auto& x : l) {
        text += x + "\r\n";
    }
    return text;
}

// The paths of an element's media list, "/" between items; "-" when it has no storage.
inline std::string camins(const casella_esc& e) {
    if (!e.fitxers.te_emmagatzematge()) {
        return "-";
    }
    std::string text;
    for (std::size_t j = 0; j < e.fitxers.valors().size(); ++j) {
        text += (j == 0 ? "" : "/") + e.fitxers.valors()[j].cami;
    }
    return text;
}

// Everything the scenario loader fills.
inline std::string descriure_escenari(const sessio& s) {
    std::ostringstream d;
    d << s.esc_titol << '|' << s.esc_tipus << '|' << s.esc_n << '\n';
    for (const auto& e : s.graella.valors()) {
        d << e.nom << ' ' << e.x_ini << ' ' << e.y_ini << ' ' << e.x_fi << ' ' << e.y_fi << ' '
          << e.pas_x << ' ' << e.pas_y << ' ' << e.amplada << ' ' << e.alcada << ':' << camins(e);
        for (const auto& f : e.fitxers.valors()) {
            d << ' ' << f.amplada << 'x' << f.alcada;
        }
        d << '\n';
    }
    return d.str();
}

inline std::string camps(const element_exercici& e) {
    return e.consigna + "|" + e.correctes + "|" + e.sequencia + "|" + e.text_1 + "|" + e.text_2 +
           "|" + e.especials + "|" + e.media_1 + "|" + e.media_2 + "|" + e.media_3 + "|" +
           e.media_4 + "|" + e.media_5;
}

inline std::string llista(const sessio& s) {
    std::string text;
    for (const auto& t : s.llista_exercici.valors()) {
        text += "[" + t + "]";
    }
    return text;
}

// Everything the exercise loader fills.
inline std::string descriure_exercici(const sessio& s) {
    std::ostringstream d;
    d << s.tipus.text << '|' << s.fitxer_exercici << '|' << s.carpeta_exercici << '|'
      << s.consigna_exercici << '|' << s.n_items << '|' << s.valor_extra << '|' << s.n_elements
      << '\n'
      << llista(s) << '\n';
    for (const auto& e : s.elements.valors()) {
        d << camps(e) << '\n';
    }
    return d.str();
}

} // namespace quorvel::prova
