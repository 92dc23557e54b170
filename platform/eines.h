// The window toolkit services the logic calls directly: message boxes, the
// input prompt, the beep, the screen, and the pumped wait that lets pending
// window events (timers included) run.
#pragma once

#include <string>

namespace quorvel {

class finestra;

enum class botons_missatge { ok, ok_cancel };
enum class resposta_missatge { ok, cancel };

struct mida_pantalla {
    long amplada_twips = 0;
    long alcada_twips = 0;
    double twips_per_pixel_x = 15.0;
    double twips_per_pixel_y = 15.0;
};

class servei_eines {
  public:
    virtual ~servei_eines() = default;
    virtual resposta_missatge missatge(const std::string& text, botons_missatge botons,
                                       const std::string& titol) = 0;
    // Input prompt; empty text when cancelled.
    virtual std::string demanar(const std::string& text, const std::string& titol,
                                const std::string& defecte) = 0;
    virtual void beep() = 0;
    virtual mida_pantalla pantalla() = 0;
    // Lets pending events run for a short slice; timers of registered windows
    // fire inside it.
    virtual void bombar() = 0;
    // Windows whose timers the toolkit fires.
    virtual void registrar(finestra& f) = 0;
    virtual void desregistrar(finestra& f) = 0;
    // Ends the run at once (the "Sortir" button), without the unload handler.
    virtual void sortir() = 0;
};

} // namespace quorvel
