#include "engine/registre_premudes.h"

#include "content/registre.h"
#include "content/registre_net.h"
#include "core/lector.h"
#include "core/linia_estat.h"
#include "core/text.h"
#include "engine/estat_joc.h"
#include "engine/jutjar.h"
#include "i18n/missatges.h"
#include "platform/rellotge.h"
#include "platform/servei_fitxers.h"
#include "platform/servei_joystick.h"
#include "platform/servei_resultats.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorvel {

namespace {

constexpr double dia_s = 86400.0;

long ms_entre(double inici, double fi) {
    double segons = fi - inici;
    // The clock counts from midnight: a question that spans it goes on. A
    // time a little before the other (a held press judged again, its moment
    // worked out from two clocks read apart) took no time.
    if (segons < -dia_s / 2) {
        segons += dia_s;
    }
    return std::lround(std::max(segons, 0.0) * 1000.0);
}

// The exercise's title: the value of the file's first record. Opening the
// exercise made its folder the current one, where a file named by a relative
// path is found by its name.
std::string titol_de(const estat_joc& s, servei_fitxers& fitxers) {
    auto text = fitxers.llegir_text(s.fitxer_exercici);
    if (!text) {
        const auto barra = s.fitxer_exercici.find_last_of("/\\");
        const std::string nom =
            barra == std::string::npos ? s.fitxer_exercici : s.fitxer_exercici.substr(barra + 1);
        text = fitxers.llegir_text(fitxers.carpeta_actual() + "\\" + nom);
    }
    if (!text) {
        return {};
    }
    lector fitxer(*text);
    std::string registre;
    if (!registre_seguent(fitxer, registre)) {
        return {};
    }
    return camp_extreure(s, registre, 2, tab);
}

} // namespace

std::optional<resultat_premuda> resultat_de_codi(std::int16_t codi, bool cursa) {
    switch (codi) {
    case judici_be:
    case 1:
        return cursa ? resultat_premuda::pas_cursa : resultat_premuda::be;
    case judici_mal:
        return resultat_premuda::mal;
    case judici_final:
        return resultat_premuda::final;
    case judici_ignorat:
        return resultat_premuda::ignorat;
    case judici_parella:
        return cursa ? std::nullopt : std::optional(resultat_premuda::parella);
    default:
        return std::nullopt;
    }
}

registre_premudes::registre_premudes(estat_joc& s, servei_fitxers& fitxers,
                                     servei_rellotge& rellotge, servei_joystick& joystick,
                                     finestra& form1)
    : s_(s), fitxers_(fitxers), rellotge_(rellotge), joystick_(joystick), form1_(form1) {}

void registre_premudes::connectar(servei_resultats& sortida, opcions_resultats opcions) {
    sortida_ = &sortida;
    opcions_ = std::move(opcions);
    avisat_ = false;
}

void registre_premudes::pregunta_nova() {
    if (s_.fitxer_exercici != fitxer_exercici_) {
        fitxer_exercici_ = s_.fitxer_exercici;
        titol_ = titol_de(s_, fitxers_);
        pregunta_ = 0;
    }
    ++pregunta_;
    inici_pregunta_ = rellotge_.segons();
    anteriors_.clear();
}

// The press's moment is read from the clock when it is judged: the polling
// judges a press within the tick that saw it.
double registre_premudes::moment_premuda(std::optional<double> moment) const {
    const double ara = rellotge_.segons();
    // A pad's press carries the time it happened: the tick that hands it on
    // may come later, and the response time is the player's, not the polling's.
    // A time from further back than a minute cannot be this press's own.
    if (moment) {
        const double edat_ms = joystick_.ara_ms() - *moment;
        if (edat_ms > 0 && edat_ms < 60000) {
            return ara - edat_ms / 1000.0;
        }
    }
    return ara;
}

registre_premudes::premuda registre_premudes::abans_de_jutjar(int casella,
                                                              std::optional<double> moment,
                                                              origen_premuda origen) const {
    int jugador = 0;
    if (s_.mapa_botons.dins(casella)) {
        jugador = std::max(0, static_cast<int>(s_.mapa_botons[casella].joy));
    }
    std::optional<double> anterior;
    if (const auto previa = anteriors_.find(jugador); previa != anteriors_.end()) {
        anterior = previa->second;
    }
    return {moment_premuda(moment), pregunta_, inici_pregunta_, casella, jugador, anterior, origen};
}

void registre_premudes::jutjada(const premuda& p, std::int16_t codi, bool cursa) {
    const auto resultat = resultat_de_codi(codi, cursa);
    if (sortida_ == nullptr || !opcions_.actiu || !resultat) {
        return;
    }
    fila_resultat f;
    const std::string data = sortida_->data_avui();
    f.moment = moment_iso(data, p.moment);
    f.fitxer_exercici = a_utf8(fitxer_exercici_);
    f.titol_exercici = a_utf8(titol_);
    f.pregunta = p.pregunta;
    f.jugador = p.jugador;
    if (const auto nom = opcions_.noms.find(p.jugador); nom != opcions_.noms.end()) {
        f.nom_jugador = a_utf8(nom->second);
    }
    f.casella = p.casella;
    f.origen = p.origen;
    f.resultat = *resultat;
    f.ms_consigna = ms_entre(p.inici_pregunta, p.moment);
    if (p.anterior) {
        f.ms_anterior = ms_entre(*p.anterior, p.moment);
    }
    // A judgement that ended the question leaves the next one's presses alone.
    if (p.pregunta == pregunta_) {
        anteriors_[p.jugador] = p.moment;
    }
    // A log begun by an older version keeps its columns: the source is left out.
    const auto sense_fi = [](std::string_view l) {
        return l.substr(0, l.find_last_not_of("\r\n") + 1);
    };
    const bool sense_origen =
        sense_fi(sortida_->capcalera(data)) == sense_fi(capcalera_resultats_sense_origen());
    const escriptura_resultats escrit = sortida_->afegir(
        data, capcalera_resultats(), sense_origen ? fila_csv_sense_origen(f) : fila_csv(f));
    if (escrit == escriptura_resultats::feta) {
        avisat_ = false;
    } else if (!avisat_) {
        avisat_ = true;
        const missatge m = escrit == escriptura_resultats::enllac ? missatge::registre_enllac
                                                                  : missatge::registre_no_escrit;
        posar_linia_estat(form1_, text_missatge(s_, m, {de_utf8(sortida_->lloc())}));
    }
}

} // namespace quorvel
