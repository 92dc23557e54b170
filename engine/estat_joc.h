// The play part of the run's state: the answer so far and each cell's state
// in the current question.
#pragma once

#include "board/estat_tauler.h"
#include "core/taula.h"

#include <string>

namespace quorvel {

struct estat_joc : estat_tauler {
    std::string resposta;
    taula2<std::int16_t> caselles_estat;
};

} // namespace quorvel
