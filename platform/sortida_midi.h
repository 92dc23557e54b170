// MIDI output: one device, short messages. Device -1 is the default synth.
#pragma once

#include "platform/ordres_media.h"

#include <cstdint>
#include <string>

namespace quorvel {

class servei_midi {
  public:
    virtual ~servei_midi() = default;
    // Opens the device; 0 on success, else an error code whose text
    // text_error gives. The handle is non-zero while open.
    virtual int obrir(int dispositiu, std::uint32_t& handle) = 0;
    virtual int missatge_curt(std::uint32_t handle, std::uint32_t missatge) = 0;
    virtual int tancar(std::uint32_t handle) = 0;
    virtual std::string text_error(int codi) = 0;
    // Whom to tell when the output cannot sound (the device, and why);
    // replaces the previous listener.
    virtual void en_fallada(gestor_fallada gestor) { (void)gestor; }
};

} // namespace quorvel
