// The parts of a run that the one wiring (programa::connectar) joins to the
// logic besides the services: where the judged presses are logged, the
// keyboard pad's key filter and the results window. The program gives the
// real ones (app/peces_qt), the dry run its own (no keyboard, no window, the
// log asked for on its command line), tests their fakes.
#pragma once

#include <functional>

namespace quorvel {

struct sessio;
class servei_resultats;

class peces_programa {
  public:
    virtual ~peces_programa() = default;

    // Where the judged presses are logged; null for nowhere.
    virtual servei_resultats* resultats() = 0;
    // The log is kept whatever the settings say (the players' names still
    // come from them).
    [[nodiscard]] virtual bool resultats_sempre() const { return false; }
    // Takes the keyboard pad's keys from the toolkit's events while
    // llegint_pads says the pads are read.
    virtual void filtrar_teclat(std::function<bool()> llegint_pads) = 0;
    // "Fitxers > Resultats": shows the results window in the session's language.
    virtual void mostrar_resultats(const sessio& s) = 0;
};

} // namespace quorvel
