// Playback of sounds, voice recordings, MIDI files and video through the
// media command service; one media is current at a time (media_actual).
#pragma once

#include <string>

namespace quorvel {

struct estat_escena;
struct serveis;
class finestra;

// Closes the current media and plays the file; always 0.
int media_reproduir(estat_escena& s, serveis& sv, const std::string& cami);
void so_reproduir(estat_escena& s, serveis& sv, const std::string& cami);

// From now on, a file the media or MIDI devices cannot play is told on the
// console's status line, once for each file and cause: a sound that fails on
// every answer must not hide everything else the line says. The session and
// the console must outlive the services' listeners.
void fallades_mostrar(estat_escena& s, serveis& sv, finestra& consola);

} // namespace quorvel
