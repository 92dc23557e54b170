#include "engine/escombrat_exercici.h"

#include "content/tipus_exercici.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "joystick/sondeig.h"
#include "platform/serveis.h"
#include "platform/vista_escenari.h"
#include "stage/escenari.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace quorvel {

namespace {

// Strong colours that stay apart from the answers' green, red and yellow.
constexpr std::array<color, 8> colors_jugadors{{{0, 90, 255},
                                                {255, 120, 0},
                                                {170, 0, 200},
                                                {0, 170, 170},
                                                {255, 0, 140},
                                                {120, 70, 20},
                                                {40, 40, 40},
                                                {90, 160, 0}}};

bool es_escombrat(const element& e, propietat p) {
    return p == propietat::habilitat && iguals_sense_majuscules(e.nom, elements::t_joystick);
}

} // namespace

color color_jugador(int j) {
    const auto n = static_cast<int>(colors_jugadors.size());
    return colors_jugadors[static_cast<std::size_t>(((j - 1) % n + n) % n)];
}

escombrat_exercici::escombrat_exercici(estat_joc& s, serveis& sv, finestra& form1,
                                       servei_escenari& vista, exercici& ex, despatxador& d)
    : s_(s), sv_(sv), form1_(form1), vista_(vista), ex_(ex), despatxador_(d) {
    s_.escombrat_jugadors.connectar({[this] { return ara_ms(); }, [this] { return en_pausa(); },
                                     [this](int j, std::optional<ressalt> r) { mostrar(j, r); }});
    // Scanning runs exactly while the polling does: from the moment the
    // instructions close until stop or the final feedback.
    observador_ = form1_.observar([this](const element& e, propietat p) {
        if (!es_escombrat(e, p)) {
            return;
        }
        if (e.habilitat) {
            engegar();
        } else {
            s_.escombrat_jugadors.aturar();
        }
    });
}

escombrat_exercici::~escombrat_exercici() {
    form1_.deixar_observar(observador_);
    s_.escombrat_jugadors.connectar({});
}

double escombrat_exercici::ara_ms() const {
    return sv_.rellotge.segons() * 1000.0;
}

void escombrat_exercici::engegar() {
    // Setting up the board or checking the pads reads every button as itself.
    if (s_.tipus.valor >= 1000) {
        s_.escombrat_jugadors.aturar();
        return;
    }
    s_.escombrat_jugadors.engegar(caselles_jugadors(s_), s_.n_columnes);
}

bool escombrat_exercici::en_pausa() {
    if (en_missatge_obert && en_missatge_obert()) {
        return true;
    }
    if (const despatxador::esperes& e = despatxador_.esperes_familia(); e.escolta || e.media) {
        return true;
    }
    // Feedback, or a target the players must hear, is playing.
    if (s_.media_actual.empty()) {
        return false;
    }
    const resposta_media r = sv_.media.enviar("status " + s_.media_actual + " mode");
    return r.estat == 0 && r.text.starts_with("playing");
}

void escombrat_exercici::mostrar(int j, std::optional<ressalt> r) {
    const color c = color_jugador(j);
    // A row is shown by framing every cell of it the player has.
    std::vector<int> fila;
    if (r && r->fila) {
        const int columnes = s_.n_columnes > 0 ? s_.n_columnes : 1;
        // The map is kept while its cells are read: a range over an element
        // of the call's result would read freed memory.
        const std::map<int, std::vector<int>> caselles = caselles_jugadors(s_);
        if (const auto meves = caselles.find(j); meves != caselles.end()) {
            for (const int k : meves->second) {
                if (k != r->casella && (k - 1) / columnes + 1 == *r->fila) {
                    fila.push_back(k);
                }
            }
        }
    }
    if (const auto it = marcades_.find(j); it != marcades_.end()) {
        const std::vector<int> abans = std::move(it->second);
        marcades_.erase(it);
        for (const int k : abans) {
            // Another player's highlight on the same cell shows again.
            std::optional<color> altre;
            for (const auto& [jugador, ks] : marcades_) {
                if (std::find(ks.begin(), ks.end(), k) != ks.end()) {
                    altre = color_jugador(jugador);
                }
            }
            pas([&] { s_.caselles.posar_marc(form1_, k, altre); });
        }
    }
    if (r) {
        std::vector<int>& ara = marcades_[j];
        ara = fila;
        ara.push_back(r->casella);
        for (const int k : ara) {
            pas([&] { s_.caselles.posar_marc(form1_, k, c); });
        }
    }
    if (finestra* escenari = ex_.escenari()) {
        std::optional<ressalt_escenari> re;
        if (r) {
            int caselles = 0;
            pas([&] { caselles = escenari_caselles(s_); });
            re = ressalt_escenari{r->casella, c.r, c.g, c.b, r->casella <= caselles, fila};
        }
        pas([&] { vista_.ressaltar(*escenari, j, re); });
    }
    if (r && s_.escombrat_jugadors.config(j).so) {
        pas([&] { tic(j, r->casella); });
    }
    if (en_ressalt) {
        en_ressalt(j, r);
    }
}

void escombrat_exercici::tic(int j, int casella) {
    // The cell's own recording where a list exercise gives one, else the
    // tick; on a channel of its own, so that it never stops what plays.
    std::string so = s_.carpeta_programa + "\\tic.wav";
    const familia_exercici familia = s_.tipus.familia;
    if ((familia == familia_exercici::escoltar_tauler ||
         familia == familia_exercici::escoltar_i_trobar) &&
        !s_.tipus.llista_de_notes() && s_.llista_exercici.dins(casella) &&
        !s_.llista_exercici[casella].empty()) {
        so = s_.llista_exercici[casella];
    }
    const auto complet = sv_.fitxers.cami_complet(so);
    if (!complet) {
        return;
    }
    const std::string canal = "escombrat" + std::to_string(j);
    sv_.media.enviar("open \"" + std::string(retallar_espais(*complet)) + "\" alias " + canal);
    sv_.media.enviar("play " + canal);
}

} // namespace quorvel
