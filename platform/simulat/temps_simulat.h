// Simulated time and toolkit: the clock moves only when told to (or when a
// pumped wait finds no timer due), timers of registered windows fire at their
// simulated instants, message boxes and input prompts are answered from
// queues. The authors' dry run plays exercises on these, and the tests do.
#pragma once

#include "platform/eines.h"
#include "platform/rellotge.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

// Seconds since midnight advance only when moved. Random numbers come from a
// fixed linear generator, so a seed repeats a run exactly.
class rellotge_simulat : public servei_rellotge {
  public:
    double ara = 36000.0; // 10:00:00
    std::uint32_t estat = 12345;
    std::deque<double> aleatoris; // when not empty, answered first
    // Mixed into every seed the program sets, so that one run differs from
    // another with a different base while each repeats exactly.
    std::uint32_t llavor_base = 0;

    double segons() override { return ara; }
    double aleatori() override;
    void llavor(unsigned valor) override;
};

class eines_simulades : public servei_eines {
  public:
    explicit eines_simulades(rellotge_simulat& rellotge) : rellotge_(rellotge) {}

    struct missatge_mostrat {
        std::string text, titol;
        botons_missatge botons;
    };
    std::vector<missatge_mostrat> missatges;
    std::deque<resposta_missatge> respostes_missatge; // then ok
    std::deque<std::string> respostes_demanar;        // then empty (cancel)
    // The scanning form's answers, then cancel; what it showed for the
    // answered player is kept.
    std::deque<std::optional<std::pair<int, opcions_escombrat>>> respostes_escombrat;
    std::optional<opcions_escombrat> escombrat_mostrat;
    int beeps = 0;
    bool ha_sortit = false;
    mida_pantalla pantalla_actual{19200, 14400, 15.0, 15.0}; // 1280 x 960 pixels
    // A pumped wait that finds no timer due advances the clock by this much.
    double pas_buit_ms = 10.0;
    // Told of every message box and the reply it got.
    std::function<void(const missatge_mostrat&, resposta_missatge)> en_missatge;
    // Told after every pumped slice.
    std::function<void()> en_bombar;

    resposta_missatge missatge(const std::string& text, botons_missatge botons,
                               const std::string& titol) override;
    std::string demanar(const std::string& text, const std::string& titol,
                        const std::string& defecte) override;
    std::optional<std::pair<int, opcions_escombrat>>
    demanar_escombrat(const textos_escombrat& textos, int jugadors,
                      const std::function<opcions_escombrat(int jugador)>& actuals) override;
    void beep() override { ++beeps; }
    mida_pantalla pantalla() override { return pantalla_actual; }
    // Advances the simulated clock to the next due timer and fires it.
    void bombar() override;
    void registrar(finestra& f) override;
    void desregistrar(finestra& f) override;
    void sortir() override { ha_sortit = true; }

    // Runs the simulated clock forward, firing every timer that falls due.
    void avancar(double ms);

  private:
    void sincronitzar();
    void disparar_proper();
    rellotge_simulat& rellotge_;
    std::vector<finestra*> finestres_;
    std::map<std::pair<finestra*, std::string>, double> propers_; // next due time, ms
};

} // namespace quorvel
