// The dry run's session: the program's logic on the real disk and settings
// and on simulated pads, media, MIDI, stage and clock, the exercise opened as
// the "Exercicis" menu opens it, then driven by the script's lines while
// every event is printed.
#pragma once

#include "tools/inspect/play_script.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel::inspect {

struct opcions_play {
    std::string fitxer;
    std::optional<std::string> script;
    std::optional<std::string> programa;
    std::optional<std::string> simular;
    std::optional<std::string> mapa;
    std::string pads;
    std::optional<int> columnes;
    unsigned llavor = 0;
    std::string pantalla = "1280x800";
    double media_ms = 0;
    std::optional<std::string> resultats;
};

// "AxB" with two whole numbers from 1 up.
std::optional<std::pair<int, int>> parella(const std::string& text);

// Runs the script on the exercise; returns the exit status.
int executar_sessio(const opcions_play& o, std::pair<int, int> pantalla,
                    const std::vector<linia_script>& linies);

} // namespace quorvel::inspect
