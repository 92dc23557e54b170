// The exercise engine wired to the console: the start and stop buttons, the
// polling timer (with the race judgement), the cells' changes (the event
// dispatcher), clicks and focus loss, and the exercise menu.
#pragma once

#include "engine/despatxador.h"
#include "engine/exercici.h"
#include "engine/registre_premudes.h"

namespace quorvel {

struct estat_joc;
struct serveis;
class finestra;
class servei_escenari;

class motor {
  public:
    // Registers the engine's handlers on the console model.
    motor(estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista);

    [[nodiscard]] exercici& actual() { return exercici_; }
    // The results log of the judged presses.
    [[nodiscard]] registre_premudes& registre() { return registre_; }
    // "Fitxers > Resultats": shows the results window, which the toolkit's
    // wiring provides; without it the item does nothing.
    std::function<void()> en_resultats;

    // One tick of t_joystick.
    void sondejar();
    // "Exercicis": open an exercise file and start it.
    void obrir_exercici();

  private:
    estat_joc& s_;
    serveis& sv_;
    finestra& form1_;
    registre_premudes registre_;
    exercici exercici_;
    despatxador despatxador_;
};

} // namespace quorvel
