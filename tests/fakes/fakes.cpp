#include "tests/fakes/fakes.h"

#include "core/comodins.h"
#include "core/text.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace quorvel::fakes {

namespace {

std::pair<std::string, std::string> separar(const std::string& cami) {
    const auto p = cami.find_last_of('/');
    if (p == std::string::npos) {
        return {"", cami};
    }
    return {cami.substr(0, p), cami.substr(p + 1)};
}

} // namespace

int joystick_fals::llegir_posicio(int id, posicio_joystick& posicio) {
    ++lectures;
    if (id < 0 || id >= static_cast<int>(dispositius.size())) {
        return 167; // the driver's "unplugged" status
    }
    const auto& d = dispositius[static_cast<std::size_t>(id)];
    if (d.estat_lectura != 0) {
        return d.estat_lectura;
    }
    posicio = d.posicio;
    return 0;
}

int joystick_fals::capacitats(int id, int& botons) {
    if (id < 0 || id >= static_cast<int>(dispositius.size())) {
        return 167;
    }
    const auto& d = dispositius[static_cast<std::size_t>(id)];
    if (d.estat_capacitats != 0) {
        return d.estat_capacitats;
    }
    botons = d.botons;
    return 0;
}

double joystick_fals::moment_canvi(int id, int entrada) {
    if (id < 0 || id >= static_cast<int>(dispositius.size())) {
        return ara;
    }
    const auto& moments = dispositius[static_cast<std::size_t>(id)].moments;
    const auto it = moments.find(entrada);
    return it != moments.end() ? it->second : 0.0;
}

std::string joystick_fals::nom(int id) {
    if (id < 0 || id >= static_cast<int>(dispositius.size())) {
        return {};
    }
    return dispositius[static_cast<std::size_t>(id)].nom;
}

std::string fitxers_falsos::normalitzar(const std::string& cami) {
    std::string n = cami;
    std::replace(n.begin(), n.end(), '\\', '/');
    std::string sortida;
    for (const char c : n) {
        if (c == '/' && !sortida.empty() && sortida.back() == '/') {
            continue;
        }
        sortida += c;
    }
    return sortida;
}

void fitxers_falsos::posar(const std::string& cami, std::string text) {
    fitxers[normalitzar(cami)] = std::move(text);
}

std::optional<std::string> fitxers_falsos::contingut(const std::string& cami) const {
    const auto it = fitxers.find(normalitzar(cami));
    if (it == fitxers.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool fitxers_falsos::existeix_fitxer(const std::string& cami) {
    const std::string n = normalitzar(cami);
    if (n.find_first_of("*?") == std::string::npos) {
        return fitxers.contains(n);
    }
    const auto [carpeta, patro] = separar(n);
    return !llistar(carpeta, patro).empty();
}

bool fitxers_falsos::existeix_carpeta(const std::string& cami) {
    std::string n = normalitzar(cami);
    if (!n.empty() && n.back() != '/') {
        n += '/';
    }
    return std::any_of(fitxers.begin(), fitxers.end(),
                       [&](const auto& f) { return f.first.starts_with(n); });
}

std::optional<std::string> fitxers_falsos::cami_complet(const std::string& cami) {
    const std::string n = normalitzar(cami);
    if (!fitxers.contains(n)) {
        return std::nullopt;
    }
    return n.starts_with('/') ? n : normalitzar(actual + "/" + n);
}

std::string fitxers_falsos::nom_unitat(const std::string& cami) {
    if (cami.size() >= 2 && cami[1] == ':') {
        return cami.substr(0, 2);
    }
    if (!cami.empty() && (cami[0] == '/' || cami[0] == '\\')) {
        return "/";
    }
    return {};
}

std::vector<std::string> fitxers_falsos::llistar(const std::string& carpeta,
                                                 const std::string& patro) {
    std::string c = normalitzar(carpeta);
    while (!c.empty() && c.back() == '/') {
        c.pop_back();
    }
    std::vector<std::string> noms;
    for (const auto& [cami, text] : fitxers) {
        const auto [d, nom] = separar(cami);
        if (d == c && coincideix_patro(patro, nom)) {
            noms.push_back(nom);
        }
    }
    return noms;
}

std::optional<std::string> fitxers_falsos::llegir_text(const std::string& cami) {
    return contingut(cami);
}

std::string fitxers_falsos::escriure_text(const std::string& cami, const std::string& text) {
    const std::string n = normalitzar(cami);
    const auto error = errors_escriptura.find(n);
    if (error != errors_escriptura.end()) {
        return error->second;
    }
    fitxers[n] = text;
    return {};
}

bool fitxers_falsos::crear_carpeta(const std::string&) {
    return true;
}

bool fitxers_falsos::canviar_carpeta_actual(const std::string& cami) {
    actual = normalitzar(cami);
    return true;
}

std::string perfil_fals::llegir(const std::string& seccio, const std::string& clau,
                                const std::string& defecte, const std::string& cami) {
    const auto it = valors.find({cami, minuscules(seccio), minuscules(clau)});
    return it == valors.end() ? defecte : it->second.substr(0, perfil_mida_buffer - 1);
}

bool perfil_fals::escriure(const std::string& seccio, const std::string& clau,
                           const std::string& valor, const std::string& cami) {
    ++escriptures;
    valors[{cami, minuscules(seccio), minuscules(clau)}] = valor;
    return true;
}

resposta_media media_fals::enviar(const std::string& ordre) {
    ordres.push_back(ordre);
    if (ordre.starts_with("status ") && !respostes_estat.empty()) {
        const resposta_media r = respostes_estat.front();
        respostes_estat.pop_front();
        return r;
    }
    if (respostes.empty()) {
        return {};
    }
    const resposta_media r = respostes.front();
    respostes.pop_front();
    return r;
}

int midi_fals::obrir(int dispositiu, std::uint32_t& handle) {
    registre.push_back("open " + std::to_string(dispositiu));
    if (error_obrir != 0) {
        return error_obrir;
    }
    handle = 1;
    return 0;
}

int midi_fals::missatge_curt(std::uint32_t, std::uint32_t missatge) {
    char text[32];
    std::snprintf(text, sizeof text, "short 0x%08X", missatge);
    registre.emplace_back(text);
    return 0;
}

int midi_fals::tancar(std::uint32_t) {
    registre.emplace_back("close");
    return 0;
}

std::string midi_fals::text_error(int codi) {
    return "fake MIDI error " + std::to_string(codi);
}

std::string dialegs_falsos::obrir(finestra&, const std::string& carpeta_inicial,
                                  const std::string& filtre, const std::string& titol) {
    peticions.push_back({"obrir", "", carpeta_inicial, filtre, titol});
    if (respostes.empty()) {
        return {};
    }
    std::string r = respostes.front();
    respostes.pop_front();
    return r;
}

std::string dialegs_falsos::desar(const std::string& nom_proposat, finestra&,
                                  const std::string& carpeta, const std::string& filtre,
                                  const std::string& titol) {
    peticions.push_back({"desar", nom_proposat, carpeta, filtre, titol});
    if (respostes.empty()) {
        return {};
    }
    std::string r = respostes.front();
    respostes.pop_front();
    return r;
}

bool dialegs_falsos::preguntar(finestra&, const std::string& text, const std::string&) {
    preguntes.push_back(text);
    if (respostes_pregunta.empty()) {
        return true;
    }
    const bool r = respostes_pregunta.front();
    respostes_pregunta.pop_front();
    return r;
}

} // namespace quorvel::fakes
