// Judging a press against the current question: the common trail of the
// answer exercises (resposta) and the per-player trails of the races, whose
// right presses move the player's token across the stage towards the finish.
#pragma once

#include "platform/eines.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quorvel {

struct estat_joc;
class finestra;
class servei_fitxers;

// Result codes of a judgement.
inline constexpr std::int16_t judici_be = -1;
inline constexpr std::int16_t judici_mal = 0;
inline constexpr std::int16_t judici_final = 2;
inline constexpr std::int16_t judici_ignorat = 3;
inline constexpr std::int16_t judici_parella = 4;

// What a judgement acts on: the feedback operations and the stage as it
// stands when asked (the final feedback closes and may rebuild it, so the
// stage is looked up again after every feedback call).
struct retroaccio {
    std::function<void()> be;
    std::function<void()> mal;
    std::function<void()> be_final;
    std::function<finestra*()> escenari;
};

// How a press after the first is judged.
enum class regla_judici {
    seguent,   // the next letter of the sequence ("*" as the sequence accepts any)
    actual,    // the sequence letter at the answer's length ("*" there accepts any)
    moviments, // the item's row and column formulas accept the step
    parella,   // the cell's order matches the last pick
};

// Judges a press on cell c by rule regla, extends
// resposta on a right press and gives the feedback. Throws (a failing step)
// when the current item is missing, the cell has no letter or a type 8
// formula cannot be worked out; nothing has changed then.
std::int16_t resposta_jutjar(estat_joc& s, servei_fitxers& fitxers, const retroaccio& r, int c,
                             regla_judici regla);

// Judges a race press on cell c for the loaded race type against the
// trail of the cell's player and moves that player's token on a right press.
std::int16_t cursa_jutjar(estat_joc& s, const mida_pantalla& pantalla, const retroaccio& r, int c);

// The file a scenario media path names for a picture that the program joins
// under the program folder's imatge folder: a path already resolved to a
// full one names itself, a bare name is looked up in that folder. Empty when
// no such file exists.
std::string imatge_programa(const estat_joc& s, servei_fitxers& fitxers, const std::string& cami);

// Loads the picture of stage image j; a file that does not exist throws.
void imatge_posar(servei_fitxers& fitxers, finestra& escenari, int j, const std::string& cami);

} // namespace quorvel
