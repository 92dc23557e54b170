#include "engine/despatxador.h"

#include "content/rutes.h"
#include "content/tipus_exercici.h"
#include "core/errors.h"
#include "core/finestra.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "engine/jutjar.h"
#include "engine/registre_premudes.h"
#include "platform/serveis.h"
#include "platform/vista_escenari.h"
#include "stage/media.h"
#include "stage/midi.h"

#include <string>
#include <utility>

namespace quorvel {

using namespace despatxament;

namespace {

// The time of the press being handled, for as long as it is handled: a press
// handled inside another's wait has its own.
class moment_en_curs {
  public:
    moment_en_curs(std::optional<double>& on, std::optional<double> moment)
        : on_(on), abans_(std::exchange(on, moment)) {}
    ~moment_en_curs() { on_ = abans_; }
    moment_en_curs(const moment_en_curs&) = delete;
    moment_en_curs& operator=(const moment_en_curs&) = delete;

  private:
    std::optional<double>& on_;
    std::optional<double> abans_;
};

} // namespace

despatxador::despatxador(exercici& ex, estat_joc& s, serveis& sv, finestra& form1,
                         servei_escenari& vista, registre_premudes& registre)
    : ex_(ex), s_(s), sv_(sv), form1_(form1), vista_(vista), registre_(registre) {}

retroaccio despatxador::retro() {
    return retroaccio{[this] {
                          if (judici_) {
                              judici_->be_donat = true;
                          }
                          ex_.be();
                      },
                      [this] { ex_.mal(); },
                      [this] {
                          // The final feedback waits for the teacher's answer to "play
                          // again?": the press is logged before it, not when it is answered.
                          if (judici_) {
                              const judici j = *judici_;
                              judici_.reset();
                              registre_.jutjada(j.premuda, j.be_donat ? judici_be : judici_final,
                                                j.cursa);
                          }
                          ex_.be_final();
                      },
                      [this] { return ex_.escenari(); }};
}

template <typename F> std::int16_t despatxador::judicar(int k, bool cursa, F&& jutjar_premuda) {
    // A press judged inside another's feedback (a box pumps events) has its
    // own row; the outer one's is still to come.
    std::optional<judici> exterior =
        std::exchange(judici_, judici{registre_.abans_de_jutjar(k, moment_), cursa, false});
    std::int16_t resultat = 0;
    try {
        resultat = jutjar_premuda();
    } catch (...) {
        judici_ = std::move(exterior);
        throw;
    }
    const std::optional<judici> aquest = std::exchange(judici_, std::move(exterior));
    if (aquest) {
        registre_.jutjada(aquest->premuda, resultat, cursa);
    }
    return resultat;
}

std::int16_t despatxador::jutjar(int k, int tipus) {
    return judicar(k, false, [&] { return resposta_jutjar(s_, sv_.fitxers, retro(), k, tipus); });
}

void despatxador::cursa(int k, int tipus, std::optional<double> moment) {
    const moment_en_curs guarda(moment_, moment);
    judicar(k, true, [&] { return cursa_jutjar(s_, vista_.pantalla(), retro(), k, tipus); });
}

finestra& despatxador::escenari() {
    finestra* e = ex_.escenari();
    if (e == nullptr) {
        throw error_element("no stage");
    }
    return *e;
}

void despatxador::imatge_llista(int j, int entrada) {
    const std::string cami = s_.graella[1].fitxers[entrada].cami;
    imatge_posar(sv_.fitxers, escenari(), j, cami);
}

void despatxador::casella(const esdeveniment_casella& e) {
    const int k = e.casella;
    const std::string x = e.canvi == canvi_casella::premuda      ? "1"
                          : e.canvi == canvi_casella::alliberada ? "0"
                                                                 : "";
    const moment_en_curs guarda(moment_, e.moment);
    const bool premuda = premuda_abans(k, x == "1");
    if (s_.graella_fitxer.find("graella.esc") != std::string::npos) {
        pas([&] { imatges_escenari_defecte(k, x, premuda); });
    }
    if (x == "1") {
        activacio(k);
    } else {
        alliberament(k);
    }
}

bool despatxador::premuda_abans(int k, bool premuda) {
    if (execucio_premudes_ != ex_.execucio()) {
        premudes_.clear();
        execucio_premudes_ = ex_.execucio();
    }
    const bool abans = premudes_.contains(k);
    if (premuda) {
        premudes_.insert(k);
    } else {
        premudes_.erase(k);
    }
    return abans;
}

// Only a cell that was pressed is released. The polling writes "0" into every
// idle cell at its first tick, and an idle cell that loses the focus is
// emptied: neither covers the picture the layout gave the cell.
void despatxador::imatges_escenari_defecte(int k, const std::string& x, bool premuda) {
    if (tipus_de_text(s_.tipus_exercici).numero == 50 && x != "0") {
        return;
    }
    if (x != "1" && !premuda) {
        return;
    }
    if (te_llista(s_.graella[1])) {
        imatge_llista(k, enter_de(x));
    }
}

void despatxador::activacio(int k) {
    const tipus_exercici tipus = tipus_de_text(s_.tipus_exercici);
    const int t = tipus.numero;
    if (t == 3) {
        tipus_3(k);
    } else if (t == 4) {
        pas([&] { so_reproduir(s_, sv_, s_.llista_exercici[k]); });
    } else if (tipus.familia == familia_exercici::midi) {
        pas([&] { midi_nota(s_, sv_, 0, enter_de(s_.llista_exercici[k]), 127); });
    } else if (tipus.familia == familia_exercici::recorregut) {
        pas([&] {
            if (jutjar(k, t) == judici_be) {
                s_.caselles.posar_color(form1_, k, color_groc);
            }
        });
    } else if (tipus.familia == familia_exercici::parelles) {
        pas([&] { tipus_9(k); });
    } else if (tipus.familia == familia_exercici::escoltar_i_trobar) {
        tipus_11_12(k, t);
    } else if (tipus.familia == familia_exercici::camins_fletxes) {
        cami_fletxes(k, t);
    } else if (tipus.familia == familia_exercici::comptar ||
               tipus.familia == familia_exercici::comptar_fins) {
        comptar(k, t);
    } else if (t == 50) {
        tipus_50(k);
    } else if (t == 51) {
        tipus_51(k);
    }
}

void despatxador::tipus_9(int k) {
    if (s_.mapa_botons[k].joy != 1) {
        jutjar(k, 9);
        return;
    }
    const int ordre = s_.caselles_estat(k, 2);
    s_.resposta += text_casella(ordre);
    if (te_llista(s_.graella[1])) {
        imatge_llista(1, ordre);
    }
}

void despatxador::alliberament(int k) {
    double t = 0;
    pas([&] { t = valor_tipus(s_.tipus_exercici); });
    if (t == 9) {
        pas([&] {
            if (s_.mapa_botons[k].joy == 1) {
                const std::string cami =
                    imatge_programa(s_, sv_.fitxers, s_.graella[1].fitxers[0].cami);
                imatge_posar(sv_.fitxers, escenari(), 1, cami);
            }
        });
    }
    if (t != 20 && valor_numeric(s_.resposta) > 0) {
        pas([&] {
            const int n = a_enter16(valor_numeric(s_.resposta));
            pas([&] {
                const std::string cami =
                    imatge_programa(s_, sv_.fitxers, s_.graella[1].fitxers[0].cami);
                imatge_posar(sv_.fitxers, escenari(), n, cami);
            });
            pas([&] { escenari().posar_caption(elements::texto, 1, text_decimal(n - 1)); });
            s_.resposta = text_decimal(n - 1);
        });
    }
}

} // namespace quorvel
