// Switch scanning in a running exercise: starts each scanning player's
// highlight when the polling starts and stops it with the polling, pauses it
// while a message box is open, while feedback or a target sound plays and
// while the engine waits (types 3, 11, 12), and shows each highlight as a
// frame in the player's colour on the console's cell and on the stage (a band
// with the cell's number where no picture is a cell), with an optional tick.
#pragma once

#include "joystick/escombrat.h"

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace quorvel {

struct estat_joc;
struct serveis;
class finestra;
class servei_escenari;
class exercici;
class despatxador;
struct color;

// Player j's colour (pads from 1), the same on the console and the stage.
color color_jugador(int j);

class escombrat_exercici {
  public:
    escombrat_exercici(estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista,
                       exercici& ex, despatxador& d);
    ~escombrat_exercici();
    escombrat_exercici(const escombrat_exercici&) = delete;
    escombrat_exercici& operator=(const escombrat_exercici&) = delete;

    // Whether the toolkit has a message box open (the program's wiring sets it).
    std::function<bool()> en_missatge_obert;
    // Told of each move of a highlight, after it is shown.
    std::function<void(int jugador, std::optional<ressalt>)> en_ressalt;

    // The scan's clock, milliseconds.
    [[nodiscard]] double ara_ms() const;

  private:
    void engegar();
    [[nodiscard]] bool en_pausa();
    void mostrar(int j, std::optional<ressalt> r);
    void tic(int j, int casella);

    estat_joc& s_;
    serveis& sv_;
    finestra& form1_;
    servei_escenari& vista_;
    exercici& ex_;
    despatxador& despatxador_;
    int observador_ = 0;
    std::map<int, std::vector<int>> marcades_; // player -> console cells framed
};

} // namespace quorvel
