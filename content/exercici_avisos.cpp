// The authors' notes on an exercise file as it is read: a type that names
// none, a count that does not match the records after it, shape codes that
// cannot be drawn, and what the type needs that the file leaves empty.
#include "content/exercici_lectura.h"

#include "content/dibuix.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

constexpr std::array<std::string_view, 15> codis_forma = {
    "(LU)",  "(LD)",  "(LL)",  "(LR)",  "(LMV)", "(LMH)", "(PUL)", "(PUM)",
    "(PUR)", "(PDL)", "(PDM)", "(PDR)", "(PLM)", "(PRM)", "(PCE)"};

bool es_enter_pla(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool lectura_exercici::es_buit(std::string_view text) {
    return retallar_espais(text).empty();
}

void lectura_exercici::comprovar_tipus(std::size_t avisos_abans, const tipus_exercici& tipus) {
    if (!lr_.amb_avisos() || lr_.passat_final()) {
        return;
    }
    if (!tipus.text.empty() && !es_enter_pla(tipus.text)) {
        lr_.avisar(missatge::avis_tipus_no_pla, "", {citar(tipus.text)});
    } else if (tipus.familia == familia_exercici::desconegut) {
        lr_.avisar(missatge::avis_tipus_desconegut, "", {tipus.text});
    } else if (tipus.text.empty() && avisos_->size() == avisos_abans) {
        lr_.avisar(missatge::avis_tipus_buit, "");
    }
    // A file that names no type it can play is usually written with
    // spaces for TABs throughout: each such record is named.
    if (tipus.familia == familia_exercici::desconegut || tipus.text.empty()) {
        lr_.comprovar_tabs_restants();
    }
}

void lectura_exercici::comprovar_compte(std::int16_t declarat, std::size_t llegits,
                                        const forma_cos& forma) {
    if (!lr_.amb_avisos() || declarat < 0 || s_.linia_compte == 0) {
        return;
    }
    const std::size_t esperats = static_cast<std::size_t>(declarat) * forma.per_element;
    const std::size_t sense_finals = llegits > forma.finals ? llegits - forma.finals : 0;
    if (sense_finals == esperats) {
        return;
    }
    const std::size_t presents = sense_finals / forma.per_element;
    const std::size_t resta = sense_finals % forma.per_element;
    std::string missatge = "the count says " + text_decimal(declarat) + " " +
                           std::string(declarat == 1 ? forma.nom : forma.noms) +
                           ", but the file holds " + text_decimal(static_cast<long long>(presents));
    if (resta != 0) {
        missatge += " and " + text_decimal(static_cast<long long>(resta)) + " record" +
                    (resta == 1 ? "" : "s") + " more";
    }
    avisos_->push_back({s_.linia_compte, missatge});
}

void lectura_exercici::comprovar_codis(std::string_view text, const std::string& q) {
    if (!lr_.amb_avisos()) {
        return;
    }
    std::size_t pos = 0;
    while (true) {
        const auto obre = text.find('(', pos);
        if (obre == std::string_view::npos) {
            return;
        }
        const auto tanca = text.find(')', obre);
        if (tanca == std::string_view::npos) {
            lr_.avisar(missatge::avis_codi_obert, q, {citar(text.substr(obre))});
            return;
        }
        const std::string_view codi_forma = text.substr(obre, tanca - obre + 1);
        if (std::find(codis_forma.begin(), codis_forma.end(), codi_forma) == codis_forma.end()) {
            lr_.avisar(missatge::avis_codi_desconegut, q, {citar(codi_forma)});
        } else {
            try {
                (void)forma_caselles(s_, codi_forma);
            } catch (const error_pas& e) {
                lr_.avisar(missatge::avis_codi_no_dibuixable, q,
                           {citar(codi_forma), text_decimal(s_.n_botons),
                            text_decimal(s_.n_columnes), e.what()});
            }
        }
        pos = tanca + 1;
    }
}

} // namespace quorvel
