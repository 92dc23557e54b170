// The stage part of the run's state: the media item playing and the MIDI
// output in use.
#pragma once

#include "content/estat_contingut.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct estat_escena : estat_contingut {
    std::string media_actual;
    std::uint32_t handle_midi = 0;
};

} // namespace quorvel
