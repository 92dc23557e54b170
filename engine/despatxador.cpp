#include "engine/despatxador.h"

#include "content/rutes.h"
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
#include "engine/familia.h"
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

// The time and source of the press being handled, for as long as it is
// handled: a press handled inside another's wait has its own.
template <typename T> class en_curs_guarda {
  public:
    en_curs_guarda(T& on, T valor) : on_(on), abans_(std::exchange(on, valor)) {}
    ~en_curs_guarda() { on_ = abans_; }
    en_curs_guarda(const en_curs_guarda&) = delete;
    en_curs_guarda& operator=(const en_curs_guarda&) = delete;

  private:
    T& on_;
    T abans_;
};

origen_premuda origen_de(font_premuda font) {
    switch (font) {
    case font_premuda::pad:
        return origen_premuda::pad;
    case font_premuda::teclat:
        return origen_premuda::teclat;
    case font_premuda::ratoli_consola:
        return origen_premuda::consola;
    case font_premuda::ratoli_escenari:
        return origen_premuda::escenari;
    case font_premuda::commutador:
        return origen_premuda::escombrat;
    }
    return origen_premuda::pad;
}

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
    std::optional<judici> exterior = std::exchange(
        judici_,
        judici{registre_.abans_de_jutjar(k, en_curs_.moment, en_curs_.origen), cursa, false});
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

std::int16_t despatxador::jutjar(int k, regla_judici regla) {
    return judicar(k, false, [&] { return resposta_jutjar(s_, sv_.fitxers, retro(), k, regla); });
}

void despatxador::cursa(int k, std::optional<double> moment, font_premuda font) {
    if (s_.configuracio != mode_configuracio::cap) {
        return;
    }
    const en_curs_guarda guarda(en_curs_, en_curs{moment, origen_de(font)});
    judicar(k, true, [&] { return cursa_jutjar(s_, vista_.pantalla(), retro(), k); });
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
    const en_curs_guarda guarda(en_curs_, en_curs{e.moment, origen_de(e.font)});
    const bool premuda = premuda_abans(k, x == "1");
    if (s_.graella_fitxer.find("graella.esc") != std::string::npos) {
        pas([&] { imatges_escenari_defecte(k, x, premuda); });
    }
    const gestor_familia& gestor = gestor_de(s_);
    if (x == "1") {
        gestor.premer(*this, k);
    } else {
        gestor.deixar(*this, k);
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
    if (s_.tipus.sense_imatge_premuda() && x != "0") {
        return;
    }
    if (x != "1" && !premuda) {
        return;
    }
    if (te_llista(s_.graella[1])) {
        imatge_llista(k, enter_de(x));
    }
}

} // namespace quorvel
