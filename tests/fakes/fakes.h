// Deterministic stand-ins for the platform services: scripted joysticks, an
// in-memory file system, recorded media and MIDI commands, scripted dialogs
// and message boxes, and a simulated clock that fires timers.
#pragma once

#include "core/finestra.h"
#include "platform/servei_resultats.h"
#include "platform/serveis.h"
#include "platform/simulat/temps_simulat.h"
#include "platform/vista_escenari.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace quorvel::fakes {

struct dispositiu_fals {
    posicio_joystick posicio;
    int botons = 0;
    std::string nom = "Fake pad";
    int estat_lectura = 0;           // non-zero: reads fail
    int estat_capacitats = 0;        // non-zero: capability requests fail
    std::map<int, double> moments{}; // input -> when it last changed, ms (else 0)
};

class joystick_fals : public servei_joystick {
  public:
    std::vector<dispositiu_fals> dispositius;
    int lectures = 0;

    int nombre_dispositius() override { return static_cast<int>(dispositius.size()); }
    int llegir_posicio(int id, posicio_joystick& posicio) override;
    int capacitats(int id, int& botons) override;
    std::string nom(int id) override;
    double ara = 0; // the service's clock, ms
    double ara_ms() override { return ara; }
    double moment_canvi(int id, int entrada) override;
};

// Files held in memory, keyed by their path with "/" separators. Lookups are
// exact, as on a case-sensitive disk; "*" and "?" match in the last part.
class fitxers_falsos : public servei_fitxers {
  public:
    std::map<std::string, std::string> fitxers;           // path -> program text
    std::map<std::string, std::string> errors_escriptura; // path -> reason
    std::string actual = "/";

    void posar(const std::string& cami, std::string text);
    [[nodiscard]] std::optional<std::string> contingut(const std::string& cami) const;

    bool existeix_fitxer(const std::string& cami) override;
    bool existeix_carpeta(const std::string& cami) override;
    std::optional<std::string> cami_complet(const std::string& cami) override;
    std::string nom_unitat(const std::string& cami) override;
    std::vector<std::string> llistar(const std::string& carpeta, const std::string& patro) override;
    std::optional<std::string> llegir_text(const std::string& cami) override;
    std::string escriure_text(const std::string& cami, const std::string& text) override;
    bool crear_carpeta(const std::string& cami) override;
    std::string carpeta_actual() override { return actual; }
    bool canviar_carpeta_actual(const std::string& cami) override;

    static std::string normalitzar(const std::string& cami);
};

class perfil_fals : public servei_perfil {
  public:
    // (path, lower-case section, lower-case key) -> value
    std::map<std::tuple<std::string, std::string, std::string>, std::string> valors;
    int escriptures = 0;

    std::string llegir(const std::string& seccio, const std::string& clau,
                       const std::string& defecte, const std::string& cami) override;
    bool escriure(const std::string& seccio, const std::string& clau, const std::string& valor,
                  const std::string& cami) override;
};

class media_fals : public servei_media {
  public:
    std::vector<std::string> ordres;
    std::deque<resposta_media> respostes; // answered in order; then {0, ""}
    // Answers to "status" queries alone, taken before `respostes`, so that
    // the commands of a playback in between do not use them up.
    std::deque<resposta_media> respostes_estat;
    gestor_fallada fallada; // the listener the logic gave
    resposta_media enviar(const std::string& ordre) override;
    void en_fallada(gestor_fallada g) override { fallada = std::move(g); }
};

class midi_fals : public servei_midi {
  public:
    std::vector<std::string> registre; // "open -1", "short 0x00403C90", "close"
    int error_obrir = 0;
    int obrir(int dispositiu, std::uint32_t& handle) override;
    int missatge_curt(std::uint32_t handle, std::uint32_t missatge) override;
    int tancar(std::uint32_t handle) override;
    std::string text_error(int codi) override;
    gestor_fallada fallada; // the listener the logic gave
    void en_fallada(gestor_fallada g) override { fallada = std::move(g); }
};

class dialegs_falsos : public servei_dialegs {
  public:
    std::deque<std::string> respostes; // empty text: cancel
    struct peticio {
        std::string tipus, nom_proposat, carpeta, filtre, titol;
    };
    std::vector<peticio> peticions;
    std::string obrir(finestra& propietari, const std::string& carpeta_inicial,
                      const std::string& filtre, const std::string& titol) override;
    std::string desar(const std::string& nom_proposat, finestra& propietari,
                      const std::string& carpeta, const std::string& filtre,
                      const std::string& titol) override;
    // Yes/no questions: answered in order, then yes; the texts asked.
    std::deque<bool> respostes_pregunta;
    std::vector<std::string> preguntes;
    bool preguntar(finestra& propietari, const std::string& text,
                   const std::string& titol) override;
};

using rellotge_fals = rellotge_simulat;
using eines_falses = eines_simulades;

// Records which stage models were opened and closed.
class escenari_fals : public servei_escenari {
  public:
    mida_pantalla mida{19200, 14400, 15.0, 15.0};
    int oberts = 0;
    int tancats = 0;
    const finestra* actual = nullptr;
    mida_pantalla pantalla() override { return mida; }
    void obrir(finestra& escenari) override {
        ++oberts;
        actual = &escenari;
    }
    void tancar(finestra&) override {
        ++tancats;
        actual = nullptr;
    }
    // What the view was asked to draw over the stage, in order.
    std::vector<senyal_escenari> senyals;
    std::vector<std::string> consignes;
    int caselles_numerades = 0;
    std::function<void()> sortida;
    void senyal(finestra&, senyal_escenari s) override { senyals.push_back(s); }
    void posar_consigna(finestra&, const std::string& text) override { consignes.push_back(text); }
    void numerar_caselles(finestra&, int n) override { caselles_numerades = n; }
    void en_sortida(std::function<void()> gestor) override { sortida = std::move(gestor); }
};

// The results log in memory, one text per date; writing can be made to fail.
class resultats_falsos : public servei_resultats {
  public:
    std::string avui = "2026-03-02";
    bool escrivible = true;
    // What an unwritable log reports.
    escriptura_resultats fallada = escriptura_resultats::fallida;
    int intents = 0;
    std::map<std::string, std::string, std::less<>> logs;
    std::string data_avui() override { return avui; }
    escriptura_resultats afegir(std::string_view data, std::string_view capcalera,
                                std::string_view files) override {
        ++intents;
        if (!escrivible) {
            return fallada;
        }
        std::string& log = logs[std::string(data)];
        if (log.empty()) {
            log = capcalera;
        }
        log += files;
        return escriptura_resultats::feta;
    }
    std::string capcalera(std::string_view data) override {
        const auto log = logs.find(data);
        return log == logs.end() ? std::string()
                                 : log->second.substr(0, log->second.find('\n') + 1);
    }
    [[nodiscard]] std::string lloc() const override { return "/dades/resultats"; }
};

// Every fake, wired as one set of services.
struct serveis_falsos {
    joystick_fals joystick;
    fitxers_falsos fitxers;
    perfil_fals perfil;
    media_fals media;
    midi_fals midi;
    dialegs_falsos dialegs;
    rellotge_fals rellotge;
    eines_falses eines{rellotge};

    serveis tots() {
        return serveis{joystick, fitxers, perfil, media, midi, dialegs, eines, rellotge};
    }
};

} // namespace quorvel::fakes
