// The type of the loaded exercise, read once from its type text when the file
// is read (and when the exercise is cleared), and kept in the run's state.
//
// The text has two readings, and stored files rely on both:
// - as written ("3" is type 3; "03", " 3" or "3.0" name no type): the family,
//   so what the file's body holds and which handler the presses reach;
// - number-wise ("03" counts as 3): how a run is set up when it starts and
//   what the pad polling does (a race, a poll that counts every held cell).
// Every question about the type is answered here, by the family or by one of
// the queries below; the engine's family handlers tell the types of their
// own family apart by number.
#pragma once

#include <string>
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
    desconegut,        // any other text
};

// What the file's body holds after the header.
enum class cos_exercici { cap, llista, items_a, items_b };

struct tipus_exercici {
    std::string text; // as stored in the file
    int numero = 0;   // as written; 0 unless the text is a plain number
    familia_exercici familia = familia_exercici::cap;
    double valor = 0; // number-wise

    // As written: what the body holds and what an item needs.
    [[nodiscard]] cos_exercici cos() const;
    [[nodiscard]] bool items_amb_correctes() const; // the first press must be a correct cell
    [[nodiscard]] bool items_amb_escenari() const;  // each item names its scenario
    [[nodiscard]] bool items_amb_formules() const;  // row and column formulas
    [[nodiscard]] bool items_amagats() const;       // one hidden cell per item
    [[nodiscard]] bool llista_de_notes() const;     // list entries are MIDI notes
    [[nodiscard]] bool llista_de_caselles() const;  // one list entry per cell
    [[nodiscard]] bool items_amb_caselles() const;  // correctes and especials name cells
    [[nodiscard]] bool sequencia_de_caselles() const;
    // The cell's press picture is left alone (the marked cells show their own).
    [[nodiscard]] bool sense_imatge_premuda() const;

    // Number-wise: the run's set-up and the polling.
    [[nodiscard]] bool prepara_pregunta() const;     // a new question, the item's instruction
    [[nodiscard]] bool obre_midi() const;            // every cell a note of entry 0's instrument
    [[nodiscard]] bool escenari_de_item() const;     // the stage is the item's scenario
    [[nodiscard]] bool tanca_midi_en_buidar() const; // clearing type 1 closes the MIDI port
    [[nodiscard]] bool es_cursa() const;             // strictly between 29 and 50
    [[nodiscard]] bool cursa_cada_sondeig() const;   // every poll while held is a press
    [[nodiscard]] bool cursa_amb_cos() const;        // a race whose presses are judged
    [[nodiscard]] bool cursa_per_sequencia() const;
};

// Both readings of a type text.
tipus_exercici tipus_de_text(std::string_view text);

} // namespace quorvel
