// What the start of an exercise adds to the stage's layout: the pictures the
// layout's own rules cannot give (cell 1 of the default scenario at rest, a
// race's finish line, the pairs' cards covered).
#pragma once

#include "platform/eines.h"

namespace quorvel {

struct estat_escena;

// The finish line's image: past every cell (at most 255) and every player, so
// no press, token or feedback ever changes it.
inline constexpr int imatge_meta = 256;
class finestra;
class servei_fitxers;

// After escenari_preparar. With the default scenario's press pictures (a
// kind 2 stage while graella_fitxer names graella.esc), cell 1 shows media
// item 0, the released picture, instead of item 1, the pressed one. In a
// race (kind 1), a second scenario element whose name is a picture is shown
// as image imatge_meta on its own rectangle, in screen pixels as the tokens'
// steps and finish are, so it stands where the race ends on any screen. In
// pairs (kind 4) every player's card starts with media item 0, the covered one.
void escenari_complementar(const estat_escena& s, servei_fitxers& fitxers,
                           const mida_pantalla& pantalla, finestra& escenari);

} // namespace quorvel
