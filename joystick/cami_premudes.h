// The one way presses reach the engine. Every input (a pad's button, the
// keyboard pad, the mouse on a console cell or on a stage picture) is a typed
// press; this path keeps which cells each source holds, turns the changes into
// cell events (held, let go, cleared) and hands them to the engine, with the
// race judgement for the race types. A cell held by two sources counts once.
// The pads enter through the polling tick (joystick/sondeig), which applies
// their own rules; the mouse enters at once.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace quorvel {

struct estat_joysticks;

enum class font_premuda { pad, teclat, ratoli_consola, ratoli_escenari, commutador };

struct premuda {
    int casella = 0;
    bool avall = true;
    // When it happened, on the pads' clock; empty for "now".
    std::optional<double> moment;
    font_premuda font = font_premuda::ratoli_consola;
};

enum class canvi_casella { premuda, alliberada, buidada };

struct esdeveniment_casella {
    int casella = 0;
    canvi_casella canvi = canvi_casella::premuda;
    std::optional<double> moment;
    font_premuda font = font_premuda::pad;
};

class cami_premudes {
  public:
    struct connexions {
        // The cell event, for the dispatcher.
        std::function<void(const esdeveniment_casella&)> casella;
        // The race judgement of a cell activated in exercise types 30 to 49,
        // with the type, the press's time and its source.
        std::function<void(int casella, std::optional<double> moment, font_premuda font)> cursa;
        // Whether presses are taken: an exercise runs and has not ended.
        std::function<bool()> obert;
    };

    cami_premudes(estat_joysticks& s, connexions c);

    // Told after each cell event and race judgement has been handled.
    std::function<void()> en_fet;

    // A press from a source that acts at once (the mouse). Ignored while the
    // path is closed, and for a cell that is not on the board.
    void premer(const premuda& p);

    // The polling's two outcomes for one cell: activated (handed to the
    // engine only when the cell was not already held, judged as a race every
    // time), and released (unless another source holds it).
    void activar(int c, std::optional<double> moment, font_premuda font = font_premuda::pad);
    void deixar(int c);

    // The cells the pads hold after a tick, for the board model.
    void retingudes_pads(const std::string& caselles);

    // Every cell seen since the last clearing goes back to no state, with a
    // cleared event each; the mouse holds nothing any more.
    void buidar();

  private:
    enum class vist { cap, premuda, alliberada };
    [[nodiscard]] bool a_bord(int c) const;
    [[nodiscard]] bool retinguda_ratoli(int c) const;
    void posar(int c, vist v, std::optional<double> moment, font_premuda font);
    void cursa(int c, std::optional<double> moment, font_premuda font);
    void fet();

    estat_joysticks& s_;
    connexions c_;
    std::map<int, vist> vist_;
    std::map<font_premuda, std::set<int>> ratoli_;
};

} // namespace quorvel
