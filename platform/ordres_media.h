// The media command service: text commands ("play PATH", "close PATH",
// "pause PATH", "resume  PATH", "status PATH mode", the "animation" alias for
// video) as the program's playback code sends them.
#pragma once

#include <string>

namespace quorvel {

struct resposta_media {
    int estat = 0;    // 0 success
    std::string text; // reply text, e.g. "playing", "paused", "stopped"
};

class servei_media {
  public:
    virtual ~servei_media() = default;
    virtual resposta_media enviar(const std::string& ordre) = 0;
};

} // namespace quorvel
