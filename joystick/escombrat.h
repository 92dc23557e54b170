// Switch scanning: a player with one or two switches chooses among their own
// cells while a highlight goes through them. In automatic mode the highlight
// moves by itself every interval and any of the player's switches chooses; in
// step mode button 1 moves it and any other button chooses. With more than
// eight cells the board's rows are scanned first and a choice enters the row.
// After the set number of loops without a choice the scan rests; the next
// press wakes it on the first cell without choosing anything. While paused (a
// message box, feedback, an engine wait) nothing moves and switches do
// nothing. A choice is handed on as a press and release of the cell; the
// polling tick (joystick/sondeig) reads the switches and drives the steps.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class mode_escombrat { cap, automatic, pas };

struct config_escombrat {
    mode_escombrat mode = mode_escombrat::cap;
    int interval_ms = 1500;
    // The first step after the scan starts or after a choice.
    int primer_ms = 3000;
    int voltes = 3;
    // Each step plays a tick (or the cell's own recording).
    bool so = false;
    bool operator==(const config_escombrat&) const = default;
};

// "auto 1500 3000 3 so", as one line of the settings file; a text that does
// not read leaves the fields it lacks as they were, and numbers out of range
// are brought into it.
std::string text_config_escombrat(const config_escombrat& c);
config_escombrat llegir_config_escombrat(const std::string& text, config_escombrat c = {});

// Where a player's highlight is: a cell, or a row shown by its first cell.
struct ressalt {
    int casella = 0;
    std::optional<int> fila; // the board's row, from 1
    bool operator==(const ressalt&) const = default;
};

class escombrat {
  public:
    // Above this many cells the rows are scanned first.
    static constexpr std::size_t maxim_sense_files = 8;

    struct connexions {
        // Milliseconds on any steady clock.
        std::function<double()> ara;
        std::function<bool()> en_pausa;
        // The player's highlight moved, or went off (rest, stop).
        std::function<void(int jugador, std::optional<ressalt>)> en_ressalt;
    };
    void connectar(connexions c) { c_ = std::move(c); }

    void configurar(int jugador, const config_escombrat& c);
    [[nodiscard]] config_escombrat config(int jugador) const;
    // The player scans (their inputs are switches) while a scan runs.
    [[nodiscard]] bool llegeix(int jugador) const;
    [[nodiscard]] bool engegat() const { return engegat_; }

    // Starts every scanning player on their first cell. caselles: each
    // player's cells in order; columnes: the board's, for the rows.
    void engegar(const std::map<int, std::vector<int>>& caselles, int columnes);
    void aturar();

    // One input of a scanning player as the tick read it: held now, and when
    // it last changed. With breus, a change unseen while the input reads free
    // is a whole press made between two ticks.
    void llegir(int jugador, int entrada, bool premuda, double moment, bool breus);

    // After the readings of a tick: the choices and the steps due. Choices
    // are handed to triar, which may run a whole exercise's events.
    void sondejar(const std::function<void(int casella, std::optional<double> moment)>& triar);

    // When the next automatic step is due, on the clock of `ara`.
    [[nodiscard]] std::optional<double> proper_pas() const;
    [[nodiscard]] std::optional<ressalt> ressaltada(int jugador) const;

  private:
    enum class accio { cap, moure, triar };
    struct estat_jugador {
        config_escombrat cfg;
        std::vector<int> caselles;
        std::vector<std::vector<int>> files;
        std::vector<int> numeros_fila;
        bool actiu = false;
        bool en_fila = false;
        std::size_t fila = 0;
        std::size_t pos = 0;
        int voltes = 0;
        bool repos = false;
        bool triant = false;
        double proper = 0;
        accio pendent = accio::cap;
        std::optional<double> moment;
        std::map<int, bool> premudes;
        std::map<int, double> moments;
    };
    [[nodiscard]] double ara() const;
    [[nodiscard]] bool pausa() const;
    [[nodiscard]] std::optional<ressalt> on(const estat_jugador& p) const;
    void mostrar(int j, const estat_jugador& p) const;
    void inici(int j, estat_jugador& p, double espera);
    void avancar(int j, estat_jugador& p, bool automatic);

    connexions c_;
    std::map<int, estat_jugador> jugadors_;
    bool engegat_ = false;
    bool pausat_ = false;
    double darrer_ = 0; // the clock at the last tick
    unsigned long generacio_ = 0;
};

} // namespace quorvel
