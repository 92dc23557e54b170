// The stage window model "escenari": the full-screen surface the players
// watch. escenari_preparar lays out its background, its images (one per
// player or per cell) and the score label in one of four arrangements.
#pragma once

#include "platform/eines.h"

namespace quorvel {

struct estat_escena;
class finestra;
class servei_fitxers;

// Name of the stage window model.
inline constexpr const char* nom_escenari = "escenari";

// Design-time elements: the imatge, texto, barra and menu templates.
void escenari_construir(finestra& escenari);

// Builds the stage from the first scenario element and the session counts,
// then shows the window. Every failing step is skipped.
void escenari_preparar(estat_escena& s, servei_fitxers& fitxers, const mida_pantalla& pantalla,
                       finestra& escenari);
// Same, laid out for the toolkit's screen.
void escenari_preparar(estat_escena& s, servei_fitxers& fitxers, servei_eines& eines,
                       finestra& escenari);

// How many of the stage's first images stand for board cells (image k for
// cell k): every cell in the board arrangements, none where the images are
// the players'.
int escenari_caselles(const estat_escena& s);

} // namespace quorvel
