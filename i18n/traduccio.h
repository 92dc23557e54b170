// The loaded language file: per window, the captions and texts it sets.
#pragma once

#include "core/taula.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct element_traduccio {
    std::string control;
    std::string index; // empty for a control outside an array
    std::string text;
    std::string tipus; // "c" caption, "t" text (first character only)
};

struct seccio_idioma {
    std::string finestra;
    std::int16_t n_entrades = 0;
    taula<element_traduccio> entrades;
};

} // namespace quorvel
