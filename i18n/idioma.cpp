#include "i18n/idioma.h"

#include "core/finestra.h"
#include "core/lector.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "i18n/estat_idioma.h"
#include "platform/servei_fitxers.h"

#include <algorithm>
#include <optional>

namespace quorvel {

namespace {

// Items of a language file; nothing once the file has ended, so a file that
// ends early keeps what was read and leaves the rest empty.
class elements_idioma {
  public:
    explicit elements_idioma(std::string text) : lector_(std::move(text)) {}

    std::optional<std::string> seguent() {
        if (lector_.al_final()) {
            return std::nullopt;
        }
        return lector_.llegir_element();
    }

    bool saltar(int n) {
        for (int i = 0; i < n; ++i) {
            if (!seguent()) {
                return false;
            }
        }
        return true;
    }

    // A count item; nothing at the end of the file or when the item is not a
    // 16-bit number, which ends the reading.
    std::optional<std::int16_t> comptador(std::string* text = nullptr) {
        const auto element = seguent();
        if (!element) {
            return std::nullopt;
        }
        if (text != nullptr) {
            *text = *element;
        }
        std::optional<std::int16_t> n;
        pas([&] { n = enter16_de_text(*element); });
        return n;
    }

  private:
    lector lector_;
};

void llegir_entrades(elements_idioma& e, seccio_idioma& seccio) {
    for (int i = 0; i <= seccio.n_entrades; ++i) {
        element_traduccio& entrada = seccio.entrades[i];
        auto camps = {&entrada.control, &entrada.index, &entrada.text, &entrada.tipus};
        if (!e.seguent()) {
            return;
        }
        for (std::string* camp : camps) {
            auto valor = e.seguent();
            if (!valor) {
                return;
            }
            *camp = std::move(*valor);
        }
        entrada.tipus = entrada.tipus.substr(0, 1);
    }
}

void llegir_textos(elements_idioma& e, taula<std::string>& textos) {
    const int n = textos.superior();
    for (int i = 0; i < n; ++i) {
        const auto numero = e.seguent();
        const auto text = e.seguent();
        if (!numero || !text) {
            return;
        }
        // A number outside the table names no text; the pair is skipped.
        pas([&] { textos[enter16_de_text(*numero)] = *text; });
    }
}

void llegir_fitxer(elements_idioma& e, estat_idioma& s) {
    if (!e.saltar(2)) {
        return;
    }
    const auto n_seccions = e.comptador();
    if (!n_seccions) {
        return;
    }
    // Section 1 always exists: the file always carries the window section.
    s.traduccio.redimensionar(0, std::max<int>(*n_seccions, 1));
    seccio_idioma& seccio = s.traduccio[1];
    auto finestra = e.seguent();
    if (!finestra) {
        return;
    }
    seccio.finestra = std::move(*finestra);
    const auto n_entrades = e.comptador();
    if (!n_entrades) {
        return;
    }
    seccio.n_entrades = std::max<std::int16_t>(*n_entrades, -1);
    seccio.entrades.redimensionar(0, seccio.n_entrades);
    llegir_entrades(e, seccio);
    if (!e.saltar(1)) {
        return;
    }
    std::string text_n;
    const auto n_textos = e.comptador(&text_n);
    if (!n_textos) {
        return;
    }
    s.textos_idioma.redimensionar(0, std::max<int>(*n_textos, 0));
    s.textos_idioma[0] = text_n;
    if (!e.saltar(1)) {
        return;
    }
    llegir_textos(e, s.textos_idioma);
}

void aplicar_entrada(const element_traduccio& entrada, finestra& f) {
    if (entrada.text.empty()) {
        return;
    }
    std::optional<int> index;
    if (!entrada.index.empty()) {
        index = enter16_de_text(entrada.index);
    }
    if (entrada.tipus == "c") {
        f.posar_caption(entrada.control, index, entrada.text);
    } else if (entrada.tipus == "t") {
        f.posar_text(entrada.control, index, entrada.text);
    }
}

} // namespace

void idioma_carregar(estat_idioma& s, servei_fitxers& fitxers) {
    if (s.idioma.empty()) {
        s.traduccio = {};
        s.textos_idioma = {};
        return;
    }
    idioma_carregar_fitxer(s, fitxers, s.carpeta_programa + "\\" + s.idioma);
}

void idioma_carregar_fitxer(estat_idioma& s, servei_fitxers& fitxers, const std::string& cami) {
    s.traduccio = {};
    s.textos_idioma = {};
    auto text = fitxers.llegir_text(cami);
    if (!text) {
        return;
    }
    elements_idioma e(std::move(*text));
    llegir_fitxer(e, s);
}

std::string nom_idioma(servei_fitxers& fitxers, const std::string& cami) {
    const auto separador = cami.find_last_of("\\/");
    std::string nom = separador == std::string::npos ? cami : cami.substr(separador + 1);
    auto text = fitxers.llegir_text(cami);
    if (!text) {
        return nom;
    }
    elements_idioma e(std::move(*text));
    const auto primer = e.seguent();
    const auto segon = e.seguent();
    // A name is one short line of text; anything else would make a menu no
    // one can read.
    constexpr std::size_t mida_maxima_nom = 40;
    if (primer && segon && segon->starts_with(firma_idioma) && !primer->empty() &&
        primer->size() <= mida_maxima_nom &&
        std::none_of(primer->begin(), primer->end(),
                     [](char c) { return static_cast<unsigned char>(c) < 32; })) {
        return *primer;
    }
    return nom;
}

void idioma_aplicar(const estat_idioma& s, finestra& f) {
    const seccio_idioma* seccio = nullptr;
    for (int k = 1; k <= 3 && seccio == nullptr; ++k) {
        if (s.traduccio.dins(k) && s.traduccio[k].finestra == f.nom()) {
            seccio = &s.traduccio[k];
        }
    }
    if (seccio == nullptr || !seccio->entrades.te_emmagatzematge()) {
        return;
    }
    for (const element_traduccio& entrada : seccio->entrades.valors()) {
        pas([&] { aplicar_entrada(entrada, f); });
    }
}

} // namespace quorvel
