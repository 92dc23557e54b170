// The language part of the run's state: the language file in force and the
// translations it gave.
#pragma once

#include "core/estat_base.h"
#include "core/taula.h"
#include "i18n/traduccio.h"

#include <string>

namespace quorvel {

struct estat_idioma : estat_base {
    std::string idioma;
    taula<seccio_idioma> traduccio;
    taula<std::string> textos_idioma;
};

} // namespace quorvel
