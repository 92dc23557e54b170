#include "content/escenari_graella.h"

#include "core/nombres.h"

namespace quorvel {

namespace {

// Title, kind, element count and element 1's nine records.
constexpr std::size_t registres_geometria = 12;
constexpr std::size_t registre_fons = 3;

} // namespace

document_exercici escenari_graella(const document_exercici& plantilla, const std::string& titol,
                                   const std::string& fons, const std::string& deixat_anar,
                                   const std::vector<std::string>& imatges) {
    document_exercici d;
    d.final_linia = plantilla.final_linia;
    for (std::size_t i = 0; i < registres_geometria && i < plantilla.registres.size(); ++i) {
        d.registres.push_back({{}, plantilla.registres[i].text});
    }
    d.registres.resize(registres_geometria);
    d.registres[0].text = titol;
    const std::string& r = d.registres[registre_fons].text;
    d.registres[registre_fons].text = registre_compondre(etiqueta_de(r), fons);
    d.registres.push_back(
        {{}, registre_compondre("Fitxers", text_decimal(static_cast<long long>(imatges.size())))});
    d.registres.push_back({{}, registre_compondre("Deixat anar", deixat_anar)});
    for (std::size_t k = 0; k < imatges.size(); ++k) {
        d.registres.push_back(
            {{},
             registre_compondre("Casella " + text_decimal(static_cast<long long>(k + 1)),
                                imatges[k])});
    }
    return d;
}

} // namespace quorvel
