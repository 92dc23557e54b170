// The one wiring of the program's logic: the console started up, the
// exercise engine and every set-up menu registered on it, then the run's own
// parts (the results log, the keyboard filter, the results window) connected
// to them. The program, the authors' dry run and the tests all build it this
// way, so what the tests drive is what the operator gets.
#pragma once

#include "app/aplicacio.h"
#include "engine/motor.h"

#include <string>

namespace quorvel {

class peces_programa;
class servei_escenari;

class programa {
  public:
    // Runs the console's start-up on the given services, then registers the
    // engine and the set-up menus. carpeta_programa: without a trailing
    // separator; carpeta_usuari: where settings and maps are written, empty
    // for the program folder.
    programa(serveis sv, std::string carpeta_programa, servei_escenari& escenaris,
             std::string carpeta_usuari = {});

    // Connects the run's parts: the judged presses to its log with the
    // settings' options, its key filter to whether the pads are read, and
    // "Fitxers > Resultats" to its results window. The parts may go before
    // the programa, never while it runs.
    void connectar(peces_programa& peces);

    [[nodiscard]] aplicacio& app() { return app_; }
    [[nodiscard]] motor& exercicis() { return exercicis_; }

    // The pads are being read: an exercise runs, or a set-up waits for a
    // press. The set-ups may leave their timer on after they end, so a
    // set-up counts only while its menu item is ticked.
    [[nodiscard]] bool llegint_pads();

  private:
    aplicacio app_;
    motor exercicis_;
};

} // namespace quorvel
