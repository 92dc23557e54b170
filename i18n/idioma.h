// Language files (".trad") applied to a window model, and the built-in
// translation tables of the series word.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

struct estat_idioma;
class finestra;
class servei_fitxers;

// Reads carpeta_programa + "\" + idioma into traduccio and textos_idioma.
void idioma_carregar(estat_idioma& s, servei_fitxers& fitxers);

// Reads the given language file into traduccio and textos_idioma.
void idioma_carregar_fitxer(estat_idioma& s, servei_fitxers& fitxers, const std::string& cami);

// The name the language menu shows for the language file at cami: the
// file's first item when its second item is the format's signature
// (firma_idioma), so that a file written for this program names its language;
// else the file's name.
std::string nom_idioma(servei_fitxers& fitxers, const std::string& cami);

inline constexpr std::string_view firma_idioma = "Quorvel language file";

// Applies the section whose window name equals the window's name.
void idioma_aplicar(const estat_idioma& s, finestra& f);

// The key's translation in the built-in table of the current language.
std::string traduir(const estat_idioma& s, std::string_view clau);

} // namespace quorvel
