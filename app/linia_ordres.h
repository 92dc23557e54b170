// What the command line asks of a run: a simulated board, an exercise to
// open and start. Reading the arguments is the toolkit's; deciding what they
// mean and running it is here, so that it is the same for every front end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class programa;

struct simulacio_demanada {
    std::int16_t joysticks = 0;
    std::int16_t botons = 0;
    bool operator==(const simulacio_demanada&) const = default;
};

// "JxB" (also "JXB"): J pads of B buttons, each at least 1 and J x B at most
// the cells a simulation holds; nothing for any other text.
[[nodiscard]] std::optional<simulacio_demanada> llegir_simulacio(std::string_view text);

struct ordres_linia {
    std::optional<simulacio_demanada> simulacio;
    std::string exercici; // program path; empty for none
};

// The simulation first, so that the exercise starts on the simulated board;
// then the exercise opened and started as "Exercicis" does with it.
void executar_ordres(programa& p, const ordres_linia& ordres);

} // namespace quorvel
