// One open media device of the Qt media service: a sound or video file played
// by Qt Multimedia, or a MIDI file played by FluidSynth.
#pragma once

#include "platform/qt/media_ordre.h"

namespace quorvel {

enum class mode_media { reproduint, en_pausa, aturat };

class reproductor_media {
  public:
    virtual ~reproductor_media() = default;
    // Starts from the beginning, or goes on when paused; 0 or a media code.
    virtual int reproduir() = 0;
    virtual void pausar() = 0;
    // Goes on when paused; does nothing otherwise.
    virtual void reprendre() = 0;
    virtual void aturar() = 0;
    virtual mode_media mode() = 0;
    // Places the device's window; false for a device without one.
    virtual bool situar_finestra(const rectangle_finestra&) { return false; }
};

} // namespace quorvel
