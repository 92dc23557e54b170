// The one wiring of the program's logic: the console started up, the
// exercise engine and every set-up menu registered on it. The program's
// entry point and the end-to-end tests both build it this way, so what the
// tests drive is what the operator gets.
#pragma once

#include "app/aplicacio.h"
#include "engine/motor.h"

#include <string>

namespace quorvel {

class servei_escenari;

class programa {
  public:
    // Runs the console's start-up on the given services, then registers the
    // engine and the set-up menus. carpeta_programa: without a trailing
    // separator; carpeta_usuari: where settings and maps are written, empty
    // for the program folder.
    programa(serveis sv, std::string carpeta_programa, servei_escenari& escenaris,
             std::string carpeta_usuari = {});

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
