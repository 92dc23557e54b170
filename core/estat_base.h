// The run's state is built in layers: each folder owns the part it changes
// and extends the part of the folder below it, so a function of a folder
// sees exactly the state of its own layer and the ones beneath. This is the
// bottom part: where the program lives and which version runs.
#pragma once

#include <string>

namespace quorvel {

struct estat_base {
    // Program folder, without a trailing separator (the folder of the executable).
    std::string carpeta_programa;
    std::string versio;
};

} // namespace quorvel
