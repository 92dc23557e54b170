// The exercise engine wired to the console: the start and stop buttons, the
// press path (the polling timer's pads and the mouse on the console's cells
// and the stage's pictures) into the race judgement and the event dispatcher,
// the exercise menu, and leaving the stage (which stops the exercise as the
// stop button does).
#pragma once

#include "content/lectura_contingut.h"
#include "engine/despatxador.h"
#include "engine/exercici.h"
#include "engine/registre_premudes.h"
#include "joystick/cami_premudes.h"

#include <string>
#include <vector>

namespace quorvel {

struct estat_joc;
struct serveis;
class finestra;
class servei_escenari;

class motor {
  public:
    // Registers the engine's handlers on the console model.
    motor(estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista);
    ~motor();
    motor(const motor&) = delete;
    motor& operator=(const motor&) = delete;

    [[nodiscard]] exercici& actual() { return exercici_; }
    // The results log of the judged presses.
    [[nodiscard]] registre_premudes& registre() { return registre_; }
    // The press path every input goes through.
    [[nodiscard]] cami_premudes& premudes() { return cami_; }
    [[nodiscard]] despatxador& despatx() { return despatxador_; }
    // "Fitxers > Resultats": shows the results window, which the toolkit's
    // wiring provides; without it the item does nothing.
    std::function<void()> en_resultats;
    // "Nou exercici" and "Editar exercici": the editor, which the front end has.
    std::function<void()> en_nou_exercici;
    std::function<void()> en_editar_exercici;

    // One tick of t_joystick.
    void sondejar();
    // "Exercicis": open an exercise file and start it.
    void obrir_exercici();
    // Opens the exercise file at cami and starts it, as "Exercicis" does with
    // the file chosen.
    void obrir_exercici(const std::string& cami);

  private:
    // The start button: with no exercise open there is nothing to show the
    // players, and the stage would cover the console with an empty screen.
    void engegar();
    // The status line names the exercise and what its reading noted.
    void exercici_obert(std::vector<avis_lectura> avisos);

    estat_joc& s_;
    serveis& sv_;
    finestra& form1_;
    servei_escenari& vista_;
    registre_premudes registre_;
    exercici exercici_;
    despatxador despatxador_;
    cami_premudes cami_;
};

} // namespace quorvel
