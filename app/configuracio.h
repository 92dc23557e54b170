// The settings file quorvel.ini: read once at start-up, written only when the
// operator picks a language. It lives in the folder the program writes to (the
// program folder when portable, the user's configuration folder otherwise);
// the copy that came with the program stands behind it.
#pragma once

#include "engine/registre_premudes.h"

#include <string>

namespace quorvel {

struct sessio;
class servei_fitxers;
class servei_perfil;

// The settings file the program writes: carpeta_escriptura + "\quorvel.ini".
std::string configuracio_cami(const sessio& s);

// When the program writes outside its folder: creates that folder and copies
// into it the bundled settings and default map the operator has no copy of
// yet, so that the first start behaves like a portable one. Nothing to do when
// the program writes to its own folder; a failure leaves the bundled files to
// be read in their place.
void configuracio_preparar_carpeta_usuari(const sessio& s, servei_fitxers& fitxers);

// Fills mapa_fitxer, n_columnes, idioma, num_butons, cursors, invers, the
// switch times acceptacio and repeticio and the keyboard pad flag teclat, and
// what the stage shows over its pictures (section "Escenari": senyal,
// consigna, numeros). Each key is looked for in the written settings file,
// then in the program folder's; a missing file or key leaves the value as it was.
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

// Scanning: section "Escombrat", one key per pad number whose value is the
// player's line ("1=auto 1500 3000 3 so": mode off, auto or step, interval,
// first step after a choice and loops before resting, in milliseconds and
// loops, and "so" for a tick at each step). Read by configuracio_llegir;
// this writes player j's line. False when the file cannot be written.
bool configuracio_desar_escombrat(const sessio& s, servei_perfil& perfil, int jugador);

} // namespace quorvel
