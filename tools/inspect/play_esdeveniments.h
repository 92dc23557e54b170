// What a dry run prints: each thing the program does as one JSON object per
// line, stamped with the simulated clock's milliseconds since the run began.
// The answer and the current question are state, printed when they change.
#pragma once

#include "core/finestra.h"
#include "core/pas.h"
#include "engine/exercici.h"
#include "platform/eines.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {
class programa;
class rellotge_simulat;
} // namespace quorvel

namespace quorvel::inspect {

class esdeveniments_play {
  public:
    using json = nlohmann::ordered_json;

    // The clock stamps each line; the stage's screen turns twips to pixels.
    esdeveniments_play(const rellotge_simulat& rellotge, const mida_pantalla& pantalla);

    // The program whose state is watched; null before it is built and once
    // it is being torn down.
    void posar_programa(programa* p) { p_ = p; }

    void emetre(json esdeveniment);
    void missatge(const std::string& text, bool ok);
    void midi(std::uint32_t missatge);
    void escenari(bool obert);
    void pas_saltat(const lloc_pas& on, std::string_view motiu);
    void ordre_media(const std::string& ordre);
    void canvi_consola(const element& e, propietat pr);
    void canvi_escenari(const element& e, propietat pr);
    void avis(avis_exercici a);
    // Prints the answer and the current question when they have changed.
    void vigilar();

  private:
    const rellotge_simulat& rellotge_;
    const mida_pantalla& pantalla_;
    programa* p_ = nullptr;
    bool engegat_ = false;
    std::string resposta_;
    std::string item_;
};

} // namespace quorvel::inspect
