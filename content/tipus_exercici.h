// What kind of exercise a type text names. Exercise files, the dispatcher of
// presses and the loader go by the type as written: "3" is type 3, while
// "03" or " 3" name no type at all. The run's set-up and the pad polling read
// the same text number-wise instead ("03" counts as 3), through valor_tipus.
#pragma once

#include <string_view>

namespace quorvel {

enum class familia_exercici {
    cap,               // no exercise loaded ("" or "0")
    escoltar_tauler,   // 3, 4: each cell plays its sound
    midi,              // 5: each cell plays its MIDI note
    recorregut,        // 6, 7, 8: find a cell, follow a sequence, draw moves
    parelles,          // 9: pairs shared among the players
    escoltar_i_trobar, // 11, 12: hear an item, find its cell
    camins_fletxes,    // 15, 16, 17: paths of arrows across the board
    comptar,           // 20, 21, 22: counting presses
    comptar_fins,      // 23, 24, 25: counting up to a target
    cursa,             // 30 to 49: races of the players' tokens
    caselles_marcades, // 50, 51: marked and hidden cells
    configuracio,      // 1000, 1001: the board or the pads being set up
    desconegut,        // any other text
};

struct tipus_exercici {
    int numero = 0; // 0 unless the text is a plain number
    familia_exercici familia = familia_exercici::cap;
};

// The type a text names as written.
tipus_exercici tipus_de_text(std::string_view text);

// The type read number-wise ("03" and "3" both give 3).
double valor_tipus(std::string_view text);

// A race, read number-wise: strictly between 29 and 50.
bool es_cursa(double valor);

} // namespace quorvel
