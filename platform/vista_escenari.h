// The stage view service: shows a stage window model full screen (on the
// projector when there is one) and closes it. The logic lays the model out for
// the screen this service names.
#pragma once

#include "platform/eines.h"

namespace quorvel {

class finestra;

class servei_escenari {
  public:
    virtual ~servei_escenari() = default;
    // The screen the stage covers, in twips, with its twips-per-pixel factors.
    virtual mida_pantalla pantalla() = 0;
    // Creates the view of the model; it shows and hides with the model.
    virtual void obrir(finestra& escenari) = 0;
    // Destroys the view; the model is discarded right after.
    virtual void tancar(finestra& escenari) = 0;
};

} // namespace quorvel
