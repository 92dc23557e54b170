// The event dispatcher: runs for every cell event of the press path (a cell
// held, let go, or cleared by stop) and turns it into exercise behaviour by exercise type: list
// playback, MIDI notes, judged answers, counting, arrow paths, marked and hidden cells.
//
// Its only state between calls is which cells are held in the current run.
// A call may pump window events (the waits of types 3, 11, 12 and 51), inside
// which another cell event or a timer tick, or even stop, runs to completion;
// everything is therefore looked up again after a wait and after every
// feedback call, and a wait that finds the exercise stopped or restarted
// returns without acting. While a wait runs it is known, so that a press
// inside it lengthens it (type 3) or is not judged (types 11 and 12) instead
// of stacking one wait on another.
#pragma once

#include "engine/jutjar.h"
#include "engine/registre_premudes.h"
#include "joystick/cami_premudes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace quorvel {

struct estat_joc;
struct serveis;
class finestra;
class exercici;
class servei_escenari;

class despatxador {
  public:
    despatxador(exercici& ex, estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista,
                registre_premudes& registre);

    // A cell event. Every failing step is skipped.
    void casella(const esdeveniment_casella& e);

    // The judgements with the exercise's feedback and stage; each judged
    // press goes to the results log.
    std::int16_t jutjar(int k, int tipus);
    void cursa(int k, int tipus, std::optional<double> moment);
    // A wait runs: the listening of type 3, or the media of types 11 and 12.
    [[nodiscard]] bool esperant() const { return escolta_ || espera_media_; }

    // Longest wait for the media in play to stop (types 11 and 12), seconds.
    static constexpr double espera_maxima_s = 60.0;
    // The listening time of type 3, seconds.
    static constexpr double escolta_s = 5.0;

  private:
    void imatges_escenari_defecte(int k, const std::string& x, bool premuda);
    // Whether cell k was held before this change; records whether it is now.
    bool premuda_abans(int k, bool premuda);
    void activacio(int k);
    void tipus_3(int k);
    void tipus_9(int k);
    void tipus_11_12(int k, int t);
    void cami_fletxes(int k, int t);
    void comptar(int k, int t);
    void fletxes_mostrar(const std::string& direccions);
    void tipus_50(int k);
    void tipus_51(int k);
    void alliberament(int k);

    retroaccio retro();
    // Judges a press with jutjar_premuda and logs it once: at the final
    // feedback when it comes, else when the judgement returns.
    template <typename F> std::int16_t judicar(int k, bool cursa, F&& jutjar_premuda);
    finestra& escenari();
    void imatge_llista(int j, int entrada);
    double segons_des_de(double inici);
    // Waits, pumping events, for the media in play to end (a paused item, a
    // failing query or the time limit end it too). False when the run ended
    // or seguir turned false while the events ran: the caller then does no
    // more.
    bool esperar_fi_media(unsigned long execucio, const std::function<bool()>& seguir);
    std::string estat_media();

    exercici& ex_;
    estat_joc& s_;
    serveis& sv_;
    finestra& form1_;
    servei_escenari& vista_;
    registre_premudes& registre_;

    // The listening wait of type 3 that runs: since when, and for which run
    // of the exercise.
    struct espera {
        double inici;
        unsigned long execucio;
    };
    std::optional<espera> escolta_;
    // The run of the exercise whose type 11 or 12 press waits for the media.
    std::optional<unsigned long> espera_media_;
    // Counts the presses of type 51: the hints of a press stop as soon as a
    // later press is answered.
    unsigned long premuda_51_ = 0;
    // The cells held, in the run of the exercise they were pressed in.
    std::set<int> premudes_;
    unsigned long execucio_premudes_ = 0;
    // The press being judged, until its row is written.
    struct judici {
        registre_premudes::premuda premuda;
        bool cursa;
        // A race step was given before the final feedback (the token arrived).
        bool be_donat;
    };
    std::optional<judici> judici_;
    // When the press being handled happened, for the results log.
    std::optional<double> moment_;
};

} // namespace quorvel
