// The event dispatcher: runs for every cell event of the press path (a cell
// held, let go, or cleared by stop) and hands it to the handler of the loaded
// exercise's family (engine/familia.h), with the judgement, the stage and
// the waits those handlers share.
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

    // A cell event, handed to the handler of the loaded type's family
    // (engine/familia.h). Every failing step is skipped.
    void casella(const esdeveniment_casella& e);

    // A race press, judged after its cell event with the exercise's feedback
    // and stage; it goes to the results log.
    void cursa(int k, std::optional<double> moment, font_premuda font);

    // Longest wait for the media in play to stop (types 11 and 12), seconds.
    static constexpr double espera_maxima_s = 60.0;
    // The listening time of type 3, seconds.
    static constexpr double escolta_s = 5.0;

    // What the family handlers act on: the run's state, services, console
    // and exercise, and the judgement, stage and waits they share.
    [[nodiscard]] estat_joc& estat() { return s_; }
    [[nodiscard]] serveis& sv() { return sv_; }
    [[nodiscard]] finestra& consola() { return form1_; }
    [[nodiscard]] exercici& ex() { return ex_; }
    [[nodiscard]] servei_escenari& vista() { return vista_; }
    // Judges a press by rule; the judged press goes to the results log.
    std::int16_t jutjar(int k, regla_judici regla);
    // The stage while the exercise runs; a failing step without one.
    finestra& escenari();
    // Stage picture j takes entry entrada of the scenario's list.
    void imatge_llista(int j, int entrada);
    double segons_des_de(double inici);
    std::string estat_media();
    // Waits, pumping events, for the media in play to end (a paused item, a
    // failing query or the time limit end it too). False when the run ended
    // or seguir turned false while the events ran: the caller then does no
    // more.
    bool esperar_fi_media(unsigned long execucio, const std::function<bool()>& seguir);

    // The waits a press may be inside of, so that a press during a wait
    // lengthens it (type 3) or is not judged (types 11 and 12).
    struct espera {
        double inici;
        unsigned long execucio;
    };
    struct esperes {
        // The listening wait of type 3 that runs: since when, for which run.
        std::optional<espera> escolta;
        // The run whose type 11 or 12 press waits for the media.
        std::optional<unsigned long> media;
        // Counts the presses of type 51: the hints of a press stop as soon
        // as a later press is answered.
        unsigned long premudes_51 = 0;
    };
    [[nodiscard]] esperes& esperes_familia() { return esperes_; }

  private:
    void imatges_escenari_defecte(int k, const std::string& x, bool premuda);
    // Whether cell k was held before this change; records whether it is now.
    bool premuda_abans(int k, bool premuda);

    retroaccio retro();
    // Judges a press with jutjar_premuda and logs it once: at the final
    // feedback when it comes, else when the judgement returns.
    template <typename F> std::int16_t judicar(int k, bool cursa, F&& jutjar_premuda);

    exercici& ex_;
    estat_joc& s_;
    serveis& sv_;
    finestra& form1_;
    servei_escenari& vista_;
    registre_premudes& registre_;

    esperes esperes_;
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
    // When the press being handled happened and where it came from, for the
    // results log.
    struct en_curs {
        std::optional<double> moment;
        origen_premuda origen = origen_premuda::pad;
    };
    en_curs en_curs_;
};

} // namespace quorvel
