// Playback of sounds, voice recordings, MIDI files and video through the
// media command service; one media is current at a time (media_actual).
#pragma once

#include <string>

namespace quorvel {

struct estat_escena;
struct serveis;

// Closes the current media and plays the file; always 0.
int media_reproduir(estat_escena& s, serveis& sv, const std::string& cami);
void so_reproduir(estat_escena& s, serveis& sv, const std::string& cami);

} // namespace quorvel
