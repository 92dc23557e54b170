// The window toolkit services the logic calls directly: message boxes, the
// input prompt, the beep, the screen, and the pumped wait that lets pending
// window events (timers included) run, and the form that sets a player's
// switch scanning.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

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

// One player's switch scanning as the scanning form shows it: mode 0 none,
// 1 automatic (one switch), 2 step by step (two switches).
struct opcions_escombrat {
    int mode = 0;
    int interval_ms = 1500;
    int primer_ms = 3000;
    int voltes = 3;
    bool so = false;
    bool operator==(const opcions_escombrat&) const = default;
};

// The scanning form's texts in the operator's language.
struct textos_escombrat {
    std::string titol, jugador, mode, interval, primer, voltes, so, d_acord, cancellar;
    std::array<std::string, 3> modes;
};

class servei_eines {
  public:
    virtual ~servei_eines() = default;
    virtual resposta_missatge missatge(const std::string& text, botons_missatge botons,
                                       const std::string& titol) = 0;
    // Input prompt; empty text when cancelled.
    virtual std::string demanar(const std::string& text, const std::string& titol,
                                const std::string& defecte) = 0;
    // The scanning form: a player (1 to `jugadors`) and their settings, each
    // player shown with `actuals` of them; nothing when cancelled.
    virtual std::optional<std::pair<int, opcions_escombrat>>
    demanar_escombrat(const textos_escombrat& textos, int jugadors,
                      const std::function<opcions_escombrat(int jugador)>& actuals) = 0;
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
