// Running an exercise: start (prepare the question, build and show the stage,
// give the instructions, poll the joysticks), stop, the preparation of a new
// question, and the feedback operations the dispatcher and the judgement call.
#pragma once

#include "platform/vista_escenari.h"

#include <functional>
#include <memory>

namespace quorvel {

struct estat_joc;
struct serveis;
class finestra;

// What an exercise tells an observer: it started, stopped, or gave feedback.
enum class avis_exercici { engegat, aturat, be, mal, final };

class exercici {
  public:
    // Told of each start, stop and feedback (the authors' dry run prints them).
    std::function<void(avis_exercici)> en_avis;
    // Told when a question has been put to the players: its instruction given,
    // the polling about to start (the results log times answers from here).
    std::function<void()> en_pregunta;
    // Told when stop clears the cells (before the stage closes, so that what
    // a cleared cell does still reaches the stage).
    std::function<void()> en_buidar_caselles;
    // A click on the stage picture of cell k.
    std::function<void(int k)> en_clic_imatge;

    exercici(estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista);
    ~exercici();
    exercici(const exercici&) = delete;
    exercici& operator=(const exercici&) = delete;

    // "engegar": also run by the final feedback and after an exercise is loaded.
    void engegar();
    // "aturar": harmless when nothing runs.
    void aturar();
    // An exercise runs: its stage shows or its polling is on.
    [[nodiscard]] bool en_marxa() const;
    // New question for the random exercise types.
    void preparar();

    void consigna_mostra();
    void be();
    void mal();
    void be_final();

    // The stage window model while an exercise runs, else null.
    [[nodiscard]] finestra* escenari() { return escenari_.get(); }

    // Changes with every start and stop, so that a handler that let events
    // run can tell whether the run it acted for is still the current one.
    [[nodiscard]] unsigned long execucio() const { return execucio_; }

  private:
    void escenari_obrir();
    void escenari_tancar();
    // Feedback the players see on the stage, when the settings want it.
    void senyalar(senyal_escenari senyal);

    estat_joc& s_;
    serveis& sv_;
    finestra& form1_;
    servei_escenari& vista_;
    std::unique_ptr<finestra> escenari_;
    void avisar(avis_exercici a) const {
        if (en_avis) {
            en_avis(a);
        }
    }

    unsigned long execucio_ = 0;
};

} // namespace quorvel
