#include "content/revisio_exercici.h"

#include "content/avis_text.h"
#include "content/caselles_tauler.h"
#include "content/estat_contingut.h"
#include "content/exercici_fitxer.h"
#include "core/text.h"
#include "platform/servei_fitxers.h"

#include <algorithm>

namespace quorvel {

namespace {

// The disk as it is, but for the exercise, which reads as the editor holds
// it, and the current folder, which stays where the program has it.
class fitxers_revisio : public servei_fitxers {
  public:
    fitxers_revisio(servei_fitxers& disc, std::string cami, std::string text)
        : disc_(disc), cami_(std::move(cami)), text_(std::move(text)) {}

    bool existeix_fitxer(const std::string& c) override {
        return c == cami_ || disc_.existeix_fitxer(c);
    }
    bool existeix_carpeta(const std::string& c) override { return disc_.existeix_carpeta(c); }
    std::optional<std::string> cami_complet(const std::string& c) override {
        return c == cami_ ? std::optional<std::string>(c) : disc_.cami_complet(c);
    }
    std::string nom_unitat(const std::string& c) override { return disc_.nom_unitat(c); }
    std::vector<std::string> llistar(const std::string& carpeta,
                                     const std::string& patro) override {
        return disc_.llistar(carpeta, patro);
    }
    std::optional<std::string> llegir_text(const std::string& c) override {
        return c == cami_ ? std::optional<std::string>(text_) : disc_.llegir_text(c);
    }
    std::string escriure_text(const std::string&, const std::string&) override {
        return "read only";
    }
    bool crear_carpeta(const std::string&) override { return false; }
    std::string carpeta_actual() override { return disc_.carpeta_actual(); }
    bool canviar_carpeta_actual(const std::string&) override { return true; }

  private:
    servei_fitxers& disc_;
    std::string cami_;
    std::string text_;
};

} // namespace

std::vector<troballa> revisar_exercici(const estat_idioma& idioma, servei_fitxers& fitxers,
                                       const std::string& cami, const document_exercici& d,
                                       tauler_revisio tauler) {
    // The text as it would be saved, in the encoding it would be saved in.
    fitxers_revisio revisio(fitxers, cami, text_de_fitxer(document_escriure(d)));
    estat_contingut s;
    static_cast<estat_idioma&>(s) = idioma;
    s.n_botons = static_cast<std::int16_t>(std::clamp(tauler.caselles, 0, 32767));
    s.n_columnes = static_cast<std::int16_t>(std::clamp(tauler.columnes, 1, 32767));
    s.n_joysticks = 1;
    std::vector<avis_lectura> avisos;
    exercici_carregar(s, revisio, cami, &avisos);
    const auto fora = caselles_fora_del_tauler(s, tauler.caselles);
    avisos.insert(avisos.end(), fora.begin(), fora.end());
    std::stable_sort(
        avisos.begin(), avisos.end(),
        [](const avis_lectura& a, const avis_lectura& b) { return a.linia < b.linia; });
    const std::vector<std::size_t> linies = linies_registres(d);
    std::vector<troballa> troballes;
    for (const avis_lectura& a : avisos) {
        std::size_t registre = registre_cap;
        if (a.linia != 0) {
            // The record the line falls in: the last one starting at or before it.
            const auto it = std::upper_bound(linies.begin(), linies.end(), a.linia);
            if (it != linies.begin()) {
                registre = static_cast<std::size_t>(it - linies.begin()) - 1;
            }
        }
        troballes.push_back({registre, a.linia, text_avis(idioma, a)});
    }
    return troballes;
}

} // namespace quorvel
