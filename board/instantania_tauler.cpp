#include "board/instantania_tauler.h"

#include "board/dibuixar.h"
#include "board/estat_tauler.h"
#include "content/forma_tauler.h"
#include "core/linia_estat.h"
#include "core/noms_elements.h"
#include "core/pas.h"

namespace quorvel {

namespace {

bool visible(const finestra& form1, std::string_view nom) {
    return form1.existeix(nom) && form1.obtenir(nom).visible;
}

} // namespace

instantania_tauler::instantania_tauler(const estat_tauler& s, const finestra& form1)
    : n_botons_(s.n_botons), n_botons_total_(s.n_botons_total), mapa_entrades_(s.mapa_entrades),
      mapa_botons_(s.mapa_botons), configuracio_(s.configuracio),
      casella_configurant_(s.casella_configurant),
      explorar_cursors_visible_(visible(form1, elements::explorar_cursors)),
      joy_invers_visible_(visible(form1, elements::joy_invers)),
      t_configurar_habilitat_(form1.existeix(elements::t_configurar) &&
                              form1.obtenir(elements::t_configurar).habilitat),
      linia_estat_(linia_estat(form1)) {
    for (int k = 1; k <= s.n_botons; ++k) {
        if (form1.existeix(elements::caselles, k)) {
            caselles_.emplace_back(s.caselles.casella(k));
        } else {
            caselles_.emplace_back();
        }
    }
}

void instantania_tauler::restaurar_temporitzador(finestra& form1) const {
    pas([&] { form1.posar_habilitat(elements::t_configurar, {}, t_configurar_habilitat_); });
}

void instantania_tauler::restaurar(estat_tauler& s, finestra& form1) const {
    restaurar_temporitzador(form1);
    const bool mateix_tauler = s.n_botons == n_botons_;
    forma_substituir(s, n_botons_, n_botons_total_, mapa_entrades_, mapa_botons_);
    s.casella_configurant = casella_configurant_;
    if (!mateix_tauler) {
        // Something rebuilt the board under the set-up: its boxes are
        // rebuilt for the cells it had.
        for (int k = form1.index_maxim(elements::caselles); k > s.n_botons; --k) {
            if (form1.existeix(elements::caselles, k)) {
                pas([&] { s.caselles.descarregar(form1, k); });
            }
        }
        dibuixar(s, form1);
    }
    // The texts go back while the set-up still runs, so the change of a
    // cell's text is no press of the exercise.
    for (std::size_t i = 0; i < caselles_.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        if (!caselles_[i] || !form1.existeix(elements::caselles, k)) {
            continue;
        }
        pas([&] { s.caselles.posar_text(form1, k, caselles_[i]->text); });
        pas([&] { s.caselles.posar_color(form1, k, caselles_[i]->color_fons); });
        pas([&] { s.caselles.posar_seleccionada(form1, k, caselles_[i]->seleccionada); });
    }
    restaurar_consola(s, form1);
}

void instantania_tauler::restaurar_consola(estat_tauler& s, finestra& form1) const {
    s.configuracio = configuracio_;
    pas([&] { form1.posar_visible(elements::explorar_cursors, {}, explorar_cursors_visible_); });
    pas([&] { form1.posar_visible(elements::joy_invers, {}, joy_invers_visible_); });
    posar_linia_estat(form1, linia_estat_);
}

} // namespace quorvel
