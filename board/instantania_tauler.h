// What a set-up procedure changes on the board and the console, taken before
// it starts, so that a cancelled set-up leaves everything as it found it: the
// map tables, the set-up mode, the cells' texts, colours and selection
// (from the board model), the check boxes it shows, its timer and the status line.
#pragma once

#include "board/estat_tauler.h"
#include "content/boto_mapa.h"
#include "core/finestra.h"
#include "core/model_caselles.h"
#include "core/taula.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class instantania_tauler {
  public:
    instantania_tauler(const estat_tauler& s, const finestra& form1);
    // Everything as it was when taken.
    void restaurar(estat_tauler& s, finestra& form1) const;
    // The console only: the set-up mode, the check boxes and the status
    // line; the map stays as the set-up left it.
    void restaurar_consola(estat_tauler& s, finestra& form1) const;
    // The set-up timer on or off as it was.
    void restaurar_temporitzador(finestra& form1) const;

  private:
    std::int16_t n_botons_;
    std::int16_t n_botons_total_;
    taula2<std::int16_t> mapa_entrades_;
    taula<boto_mapa> mapa_botons_;
    mode_configuracio configuracio_;
    std::int16_t casella_configurant_;
    std::vector<std::optional<casella_tauler>> caselles_; // index k - 1; empty: no box
    bool explorar_cursors_visible_ = false;
    bool joy_invers_visible_ = false;
    bool t_configurar_habilitat_ = false;
    std::string linia_estat_;
};

} // namespace quorvel
