// The media command service: text commands ("play PATH", "close PATH",
// "pause PATH", "resume  PATH", "status PATH mode", the "animation" alias for
// video) as the program's playback code sends them.
#pragma once

#include <functional>
#include <string>

namespace quorvel {

struct resposta_media {
    int estat = 0;    // 0 success
    std::string text; // reply text, e.g. "playing", "paused", "stopped"
};

// A file a device could not play and why, in the device's words
// ("no audio output").
struct fallada_media {
    std::string fitxer;
    std::string causa;
};
using gestor_fallada = std::function<void(const fallada_media&)>;

class servei_media {
  public:
    virtual ~servei_media() = default;
    virtual resposta_media enviar(const std::string& ordre) = 0;
    // Whom to tell when a file cannot be played, at the command or later
    // (playback runs on its own); replaces the previous listener. A device
    // that finds out nothing after the command needs no listener.
    virtual void en_fallada(gestor_fallada gestor) { (void)gestor; }
};

} // namespace quorvel
