// The settings file quorvel.ini in the program folder: read once at start-up,
// written only when the operator picks a language.
#pragma once

#include "engine/registre_premudes.h"

#include <string>

namespace quorvel {

struct sessio;
class servei_fitxers;
class servei_perfil;

// carpeta_programa + "\quorvel.ini"
std::string configuracio_cami(const sessio& s);

// Fills mapa_fitxer, n_columnes, idioma, num_butons, cursors, invers, the
// switch times acceptacio and repeticio and the keyboard pad flag teclat from
// the file, and what the stage shows over its pictures (section "Escenari":
// senyal, consigna, numeros); a missing file or key leaves the value as it was.
void configuracio_llegir(sessio& s, servei_fitxers& fitxers, servei_perfil& perfil);

// The results log's settings: "registre" in section "Resultats" (a flag; the
// log is on unless it is set to a false value) and the players' names, one
// key per pad number in section "Jugadors" ("1=Anna"), for pads 1 to
// jugadors_maxim.
inline constexpr int jugadors_maxim = 32;
opcions_resultats configuracio_resultats(const sessio& s, servei_fitxers& fitxers,
                                         servei_perfil& perfil);

// Writes "idioma" in section "inici".
void configuracio_desar_idioma(const sessio& s, servei_perfil& perfil);

} // namespace quorvel
