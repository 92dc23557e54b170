// Building and driving the dry run's session.
#include "tools/inspect/play_sessio.h"

#include "app/peces_programa.h"
#include "app/programa.h"
#include "app/sessio.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "joystick/cami_premudes.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/local/resultats_disc.h"
#include "platform/simulat/dispositius_simulats.h"
#include "platform/simulat/temps_simulat.h"
#include "tools/inspect/avisos.h"
#include "tools/inspect/play_esdeveniments.h"
#include "tools/inspect/sortida.h"

#include <iostream>
#include <sstream>

namespace quorvel::inspect {

std::optional<std::pair<int, int>> parella(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos) {
        return std::nullopt;
    }
    try {
        std::size_t n1 = 0;
        std::size_t n2 = 0;
        const int a = std::stoi(text.substr(0, x), &n1);
        const int b = std::stoi(text.substr(x + 1), &n2);
        if (n1 != x || n2 != text.size() - x - 1 || a < 1 || b < 1) {
            return std::nullopt;
        }
        return std::make_pair(a, b);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

namespace {

using json = esdeveniments_play::json;

// The dry run's parts: the results log asked for on the command line, kept
// whatever the settings say (the players' names still come from them). A dry
// run reads no keyboard and shows no window.
class peces_play : public peces_programa {
  public:
    explicit peces_play(const std::optional<std::string>& fitxer) {
        if (fitxer) {
            resultats_.emplace(resultats_disc::un_fitxer(*fitxer));
        }
    }
    servei_resultats* resultats() override { return resultats_ ? &*resultats_ : nullptr; }
    [[nodiscard]] bool resultats_sempre() const override { return true; }
    void filtrar_teclat(std::function<bool()> /*llegint_pads*/) override {}
    void mostrar_resultats(const sessio& /*s*/) override {}

  private:
    std::optional<resultats_disc> resultats_;
};

class sessio_seca {
  public:
    sessio_seca(const opcions_play& o, std::pair<int, int> pantalla)
        : media_(rellotge_), escenaris_(), o_(o), peces_(o.resultats) {
        eines_.pantalla_actual = {pantalla.first * 15L, pantalla.second * 15L, 15.0, 15.0};
        escenaris_.mida = eines_.pantalla_actual;
        media_.durada_ms = o.media_ms;
        rellotge_.estat = o.llavor;
        rellotge_.llavor_base = o.llavor;
    }

    int executar(const std::vector<linia_script>& linies) {
        const std::string carpeta =
            o_.programa ? sense_separador_final(text_programa(*o_.programa)) : carpeta_executable();
        const std::string exercici = text_programa(o_.fitxer);
        if (!fitxers_.llegir_text(exercici)) {
            std::cout << json{{"error", "cannot read the exercise " + o_.fitxer}}.dump() << '\n';
            return 1;
        }
        preparar_pads();
        connectar();
        programa p(
            serveis{joystick_, fitxers_, perfil_, media_, midi_, dialegs_, eines_, rellotge_},
            carpeta, escenaris_);
        p_ = &p;
        sortida_.posar_programa(&p);
        const int observador_consola = p.app().form1().observar(
            [this](const element& e, propietat pr) { sortida_.canvi_consola(e, pr); });
        p.exercicis().actual().en_avis = [this](avis_exercici a) { sortida_.avis(a); };
        // An answer is printed as each press or tick changes it.
        p.exercicis().premudes().en_fet = [this] { sortida_.vigilar(); };
        p.connectar(peces_);
        muntar_tauler();
        observar_passos();
        dialegs_.respostes.push_back(exercici);
        p.app().form1().clic(elements::mn_fitxers);
        sortida_.vigilar();
        for (const linia_script& l : linies) {
            executar_linia(l);
            sortida_.vigilar();
        }
        const finestra& f = p.app().form1();
        sortida_.emetre(json{{"event", "end"},
                             {"running", f.obtenir(elements::t_joystick).habilitat ||
                                             p.exercicis().actual().escenari() != nullptr}});
        // What the program does as it is torn down is not part of the run.
        pas_observar({});
        p.app().form1().deixar_observar(observador_consola);
        if (escenari_ != nullptr) {
            escenari_->deixar_observar(observador_escenari_);
            escenari_ = nullptr;
        }
        escenaris_.en_canvi = nullptr;
        media_.en_ordre = nullptr;
        midi_.en_missatge = nullptr;
        eines_.en_missatge = nullptr;
        eines_.en_bombar = nullptr;
        p.exercicis().actual().en_avis = nullptr;
        p.exercicis().premudes().en_fet = nullptr;
        sortida_.posar_programa(nullptr);
        p_ = nullptr;
        return 0;
    }

  private:
    // Skipped steps are reported from the opening of the exercise on: the
    // start-up before it is the program's, not the author's.
    void observar_passos() {
        pas_observar(
            [this](const lloc_pas& on, std::string_view motiu) { sortida_.pas_saltat(on, motiu); });
    }

    void preparar_pads() {
        if (o_.simular) {
            const auto jb = parella(*o_.simular);
            for (int j = 0; j < jb->first; ++j) {
                joystick_.pads.push_back({jb->second, {32768, 32768, 0, 0}});
            }
        } else {
            std::istringstream llista(o_.pads);
            for (std::string b; std::getline(llista, b, ',');) {
                joystick_.pads.push_back({std::stoi(b), {32768, 32768, 0, 0}});
            }
        }
    }

    // The board as the operator sets it up: "Simular" or "Mapa recuperar".
    void muntar_tauler() {
        finestra& form1 = p_->app().form1();
        if (o_.simular) {
            const auto jb = parella(*o_.simular);
            eines_.respostes_demanar.push_back(std::to_string(jb->first));
            eines_.respostes_demanar.push_back(std::to_string(jb->second));
            form1.clic(elements::mn_simular);
        } else if (o_.mapa) {
            dialegs_.respostes.push_back(text_programa(*o_.mapa));
            form1.clic(elements::mn_mapa_recuperar);
        }
        if (o_.columnes) {
            // The console's column box is what the board is drawn from.
            form1.posar_text(elements::columnes, {}, std::to_string(*o_.columnes));
        }
    }

    void connectar() {
        eines_.en_missatge = [this](const eines_simulades::missatge_mostrat& m,
                                    resposta_missatge r) {
            sortida_.missatge(m.text, r == resposta_missatge::ok);
        };
        eines_.en_bombar = [this] { sortida_.vigilar(); };
        media_.en_ordre = [this](const std::string& ordre) { sortida_.ordre_media(ordre); };
        midi_.en_missatge = [this](std::uint32_t m) { sortida_.midi(m); };
        escenaris_.en_canvi = [this](finestra& escenari, bool obert) {
            if (obert) {
                escenari_ = &escenari;
                observador_escenari_ = escenari.observar(
                    [this](const element& e, propietat pr) { sortida_.canvi_escenari(e, pr); });
            } else if (escenari_ == &escenari) {
                escenari.deixar_observar(observador_escenari_);
                escenari_ = nullptr;
            }
            sortida_.escenari(obert);
        };
    }

    void executar_linia(const linia_script& l) {
        finestra& form1 = p_->app().form1();
        const auto nombre = [&](std::size_t i) { return std::stoi(l.arguments[i]); };
        if (l.ordre == "press" || l.ordre == "release" || l.ordre == "click") {
            // The mouse on a console cell, acting at once.
            const int k = nombre(0);
            const auto saltar = [&](const std::string& motiu) {
                sortida_.emetre(json{{"event", "skipped"},
                                     {"step", "script line " + std::to_string(l.numero)},
                                     {"reason", motiu}});
            };
            if (k < 1 || k > p_->app().estat().n_botons) {
                saltar("cell " + l.arguments[0] + " is not on the board");
            } else if (!form1.obtenir(elements::t_joystick).habilitat) {
                saltar("no exercise takes presses");
            } else {
                cami_premudes& cami = p_->exercicis().premudes();
                if (l.ordre != "release") {
                    cami.premer({k, true, std::nullopt, font_premuda::ratoli_consola});
                }
                if (l.ordre != "press") {
                    cami.premer({k, false, std::nullopt, font_premuda::ratoli_consola});
                }
            }
        } else if (l.ordre == "button") {
            const int j = nombre(0);
            const int b = nombre(1);
            if (j < 1 || j > static_cast<int>(joystick_.pads.size()) || b < 1 || b > 32) {
                sortida_.emetre(
                    json{{"event", "skipped"},
                         {"step", "script line " + std::to_string(l.numero)},
                         {"reason", "pad " + l.arguments[0] + " has no button " + l.arguments[1]}});
                return;
            }
            std::uint32_t& botons = joystick_.pads[static_cast<std::size_t>(j - 1)].posicio.botons;
            const std::uint32_t bit = 1u << (b - 1);
            botons = l.arguments[2] == "down" ? (botons | bit) : (botons & ~bit);
        } else if (l.ordre == "wait") {
            eines_.avancar(nombre(0));
        } else if (l.ordre == "answer") {
            eines_.respostes_missatge.push_back(l.arguments[0] == "ok" ? resposta_missatge::ok
                                                                       : resposta_missatge::cancel);
        } else if (l.ordre == "start") {
            form1.clic(elements::engegar);
        } else if (l.ordre == "stop") {
            form1.clic(elements::aturar);
        }
    }

    rellotge_simulat rellotge_;
    eines_simulades eines_{rellotge_};
    joystick_simulat joystick_;
    fitxers_disc fitxers_;
    perfil_ini perfil_;
    media_simulat media_;
    midi_simulat midi_;
    dialegs_simulats dialegs_;
    escenari_simulat escenaris_;
    const opcions_play& o_;
    peces_play peces_;
    esdeveniments_play sortida_{rellotge_, escenaris_.mida};
    programa* p_ = nullptr;
    finestra* escenari_ = nullptr;
    int observador_escenari_ = 0;
};

} // namespace

int executar_sessio(const opcions_play& o, std::pair<int, int> pantalla,
                    const std::vector<linia_script>& linies) {
    sessio_seca sessio(o, pantalla);
    return sessio.executar(linies);
}

} // namespace quorvel::inspect
