// The stage view service: shows a stage window model full screen (on the
// projector when there is one) and closes it. The logic lays the model out for
// the screen this service names.
//
// A view may also draw, over the model and never into it, what helps the
// players in a classroom: the feedback of an answer for a moment, the
// instruction in a band at the foot, each cell's number. A service that draws
// none of it keeps the do-nothing versions below.
#pragma once

#include "platform/eines.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class finestra;

enum class senyal_escenari { be, mal, final };

// A scanning player's highlight on the stage: a thick frame in the player's
// colour round picture `casella` when the pictures are the cells, else a band
// that shows the cell's number.
struct ressalt_escenari {
    int casella = 0;
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool imatge = false;
    // A highlighted row: every cell of it is framed.
    std::vector<int> fila;
};

class servei_escenari {
  public:
    virtual ~servei_escenari() = default;
    // The screen the stage covers, in twips, with its twips-per-pixel factors.
    virtual mida_pantalla pantalla() = 0;
    // Creates the view of the model; it shows and hides with the model.
    virtual void obrir(finestra& escenari) = 0;
    // Destroys the view; the model is discarded right after.
    virtual void tancar(finestra& escenari) = 0;

    // Right, wrong or final feedback, shown for a moment.
    virtual void senyal(finestra& /*escenari*/, senyal_escenari /*s*/) {}
    // The instruction the players work on; empty: none is shown.
    virtual void posar_consigna(finestra& /*escenari*/, const std::string& /*text*/) {}
    // Images 1..n are the board's cells: each is marked with its number for
    // as long as it stays where the layout put it.
    virtual void numerar_caselles(finestra& /*escenari*/, int /*n*/) {}
    // Player j's scanning highlight moved; empty: it went off.
    virtual void ressaltar(finestra& /*escenari*/, int /*jugador*/,
                           std::optional<ressalt_escenari> /*r*/) {}
    // Who is told when someone at the stage asks to leave it (Esc, or the
    // window's close under a window manager); empty: nobody.
    virtual void en_sortida(std::function<void()> /*gestor*/) {}
};

} // namespace quorvel
