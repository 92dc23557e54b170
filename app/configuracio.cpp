#include "app/configuracio.h"

#include "app/sessio.h"
#include "content/forma_tauler.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "platform/perfil.h"
#include "platform/servei_fitxers.h"

#include <vector>

namespace quorvel {

namespace {

constexpr const char* seccio_inici = "inici";
constexpr const char* seccio_joystick = "Joystick";
constexpr const char* seccio_escenari = "Escenari";
constexpr const char* nom_fitxer = "quorvel.ini";
// What a first start copies: the settings and the default map they name.
constexpr const char* fitxers_inicials[] = {nom_fitxer, "kk.map"};

// An empty value leaves every variable as it was.
void llegir_text(std::string& variable, const std::string& valor) {
    if (!valor.empty()) {
        variable = valor;
    }
}

// A number that does not fit 16 bits is unreadable: the variable keeps its value.
void llegir_enter(std::int16_t& variable, const std::string& valor) {
    if (!valor.empty()) {
        pas([&] { variable = enter16_de_text(valor); });
    }
}

void llegir_marca(bool& variable, const std::string& valor) {
    if (!valor.empty()) {
        variable = valor_numeric(valor) != 0.0;
    }
}

} // namespace

std::string configuracio_cami(const sessio& s) {
    return carpeta_escriptura(s) + "\\" + nom_fitxer;
}

void configuracio_preparar_carpeta_usuari(const sessio& s, servei_fitxers& fitxers) {
    if (carpeta_escriptura(s) == s.carpeta_programa) {
        return;
    }
    if (!fitxers.crear_carpeta(s.carpeta_usuari)) {
        return;
    }
    for (const char* nom : fitxers_inicials) {
        const std::string desti = s.carpeta_usuari + "\\" + nom;
        if (fitxers.existeix_fitxer(desti)) {
            continue;
        }
        if (const auto text = fitxers.llegir_text(s.carpeta_programa + "\\" + nom)) {
            (void)fitxers.escriure_text(desti, *text);
        }
    }
}

void configuracio_llegir(sessio& s, servei_fitxers& fitxers, servei_perfil& perfil) {
    std::vector<std::string> camins;
    for (const std::string& cami : {configuracio_cami(s), s.carpeta_programa + "\\" + nom_fitxer}) {
        if ((camins.empty() || camins.front() != cami) && fitxers.existeix_fitxer(cami)) {
            camins.push_back(cami);
        }
    }
    // A key the operator's file lacks (one written by a language choice
    // alone, or a key a newer version added) comes from the bundled file.
    const auto valor = [&](const char* seccio, const char* clau) {
        for (const std::string& cami : camins) {
            std::string v = perfil.llegir(seccio, clau, "", cami);
            if (!v.empty()) {
                return v;
            }
        }
        return std::string();
    };
    llegir_text(s.mapa_fitxer, valor(seccio_inici, "mapa"));
    std::int16_t columnes = s.n_columnes;
    llegir_enter(columnes, valor(seccio_inici, "clolumnes"));
    forma_posar_columnes(s, columnes);
    llegir_text(s.idioma, valor(seccio_inici, "idioma"));
    llegir_enter(s.num_butons, valor(seccio_joystick, "num_butons"));
    llegir_marca(s.cursors, valor(seccio_joystick, "cursors"));
    llegir_marca(s.invers, valor(seccio_joystick, "invers"));
    llegir_marca(s.escenari_senyal, valor(seccio_escenari, "senyal"));
    llegir_marca(s.escenari_consigna, valor(seccio_escenari, "consigna"));
    llegir_marca(s.escenari_numeros, valor(seccio_escenari, "numeros"));
    llegir_enter(s.acceptacio, valor(seccio_joystick, "acceptacio"));
    llegir_enter(s.repeticio, valor(seccio_joystick, "repeticio"));
    llegir_marca(s.teclat, valor(seccio_joystick, "teclat"));
}

opcions_resultats configuracio_resultats(const sessio& s, servei_fitxers& fitxers,
                                         servei_perfil& perfil) {
    opcions_resultats o;
    const std::string cami = configuracio_cami(s);
    if (!fitxers.existeix_fitxer(cami)) {
        return o;
    }
    llegir_marca(o.actiu, perfil.llegir("Resultats", "registre", "", cami));
    for (int j = 1; j <= jugadors_maxim; ++j) {
        std::string nom = perfil.llegir("Jugadors", std::to_string(j), "", cami);
        if (!nom.empty()) {
            o.noms.emplace(j, std::move(nom));
        }
    }
    return o;
}

void configuracio_desar_idioma(const sessio& s, servei_perfil& perfil) {
    perfil.escriure(seccio_inici, "idioma", s.idioma, configuracio_cami(s));
}

} // namespace quorvel
