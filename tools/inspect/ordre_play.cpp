// quorvel-inspect play EXERCISE: a dry run. The exercise is opened as the
// "Exercicis" menu opens it, on the program's own wiring with the real disk
// and settings, and simulated pads, media, MIDI, stage and clock; a script of
// presses drives it, and everything the program does is printed as one JSON
// object per line.
#include "app/configuracio.h"
#include "app/programa.h"
#include "app/sessio.h"
#include "content/tipus_exercici.h"
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
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace quorvel::inspect {

namespace {

using json = nlohmann::ordered_json;

struct opcions_play {
    std::string fitxer;
    std::optional<std::string> script;
    std::optional<std::string> programa;
    std::optional<std::string> simular;
    std::optional<std::string> mapa;
    std::string pads;
    std::optional<int> columnes;
    unsigned llavor = 0;
    std::string pantalla = "1280x800";
    double media_ms = 0;
    std::optional<std::string> resultats;
};

// "AxB" with two whole numbers from 1 up.
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

// A path as printed: "/" separators, UTF-8.
json cami_json(std::string cami) {
    for (char& c : cami) {
        if (c == '\\') {
            c = '/';
        }
    }
    return text_json(cami);
}

// One script line.
struct linia_script {
    int numero = 0;
    std::string ordre;
    std::vector<std::string> arguments;
};

std::optional<std::string> validar(const linia_script& l) {
    const auto n = l.arguments.size();
    const auto enter = [](const std::string& t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos && t.size() < 9;
    };
    if (l.ordre == "press" || l.ordre == "release" || l.ordre == "click") {
        if (n == 1 && enter(l.arguments[0])) {
            return std::nullopt;
        }
        return l.ordre + " takes one cell number";
    }
    if (l.ordre == "button") {
        if (n == 3 && enter(l.arguments[0]) && enter(l.arguments[1]) &&
            (l.arguments[2] == "down" || l.arguments[2] == "up")) {
            return std::nullopt;
        }
        return "button takes a pad number, a button number and down or up";
    }
    if (l.ordre == "wait") {
        if (n == 1 && enter(l.arguments[0])) {
            return std::nullopt;
        }
        return "wait takes a number of milliseconds";
    }
    if (l.ordre == "answer") {
        if (n == 1 && (l.arguments[0] == "ok" || l.arguments[0] == "cancel")) {
            return std::nullopt;
        }
        return "answer takes ok or cancel";
    }
    if (l.ordre == "start" || l.ordre == "stop") {
        if (n == 0) {
            return std::nullopt;
        }
        return l.ordre + " takes no argument";
    }
    return "unknown command \"" + l.ordre + "\"";
}

// The script's lines, or the first bad one's error.
std::variant<std::vector<linia_script>, std::string> llegir_script(std::istream& entrada) {
    std::vector<linia_script> linies;
    std::string text;
    int numero = 0;
    while (std::getline(entrada, text)) {
        ++numero;
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        std::istringstream paraules(text);
        linia_script l{numero, {}, {}};
        if (!(paraules >> l.ordre) || l.ordre.starts_with('#')) {
            continue;
        }
        for (std::string a; paraules >> a;) {
            l.arguments.push_back(a);
        }
        if (const auto error = validar(l)) {
            return "line " + std::to_string(numero) + ": " + *error;
        }
        linies.push_back(std::move(l));
    }
    return linies;
}

class sessio_seca {
  public:
    sessio_seca(const opcions_play& o, std::pair<int, int> pantalla)
        : media_(rellotge_), escenaris_(), o_(o) {
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
        const int observador_consola = p.app().form1().observar(
            [this](const element& e, propietat pr) { canvi_consola(e, pr); });
        p.exercicis().actual().en_avis = [this](avis_exercici a) { avis(a); };
        // An answer is printed as each press or tick changes it.
        p.exercicis().premudes().en_fet = [this] { vigilar(); };
        if (o_.resultats) {
            // Asked for on the command line, the log is kept whatever the
            // settings say; the players' names come from them.
            resultats_.emplace(resultats_disc::un_fitxer(*o_.resultats));
            opcions_resultats opcions = configuracio_resultats(p.app().estat(), fitxers_, perfil_);
            opcions.actiu = true;
            p.exercicis().registre().connectar(*resultats_, std::move(opcions));
        }
        muntar_tauler();
        observar_passos();
        dialegs_.respostes.push_back(exercici);
        p.app().form1().clic(elements::mn_fitxers);
        vigilar();
        for (const linia_script& l : linies) {
            executar_linia(l);
            vigilar();
        }
        const finestra& f = p.app().form1();
        emetre(json{{"event", "end"},
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
        p_ = nullptr;
        return 0;
    }

  private:
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
            emetre(json{{"event", "message"},
                        {"text", text_json(m.text)},
                        {"reply", r == resposta_missatge::ok ? "ok" : "cancel"}});
        };
        eines_.en_bombar = [this] { vigilar(); };
        media_.en_ordre = [this](const std::string& ordre) { ordre_media(ordre); };
        midi_.en_missatge = [this](std::uint32_t m) {
            emetre(json{{"event", "midi"},
                        {"bytes", {m & 0xFFu, (m >> 8) & 0xFFu, (m >> 16) & 0xFFu}}});
        };
        escenaris_.en_canvi = [this](finestra& escenari, bool obert) {
            if (obert) {
                escenari_ = &escenari;
                observador_escenari_ = escenari.observar(
                    [this](const element& e, propietat pr) { canvi_escenari(e, pr); });
            } else if (escenari_ == &escenari) {
                escenari.deixar_observar(observador_escenari_);
                escenari_ = nullptr;
            }
            emetre(json{{"event", "stage"}, {"state", obert ? "open" : "closed"}});
        };
    }

    // Skipped steps are reported from the opening of the exercise on: the
    // start-up before it is the program's, not the author's.
    void observar_passos() {
        pas_observar([this](const lloc_pas& on, std::string_view motiu) {
            std::string fitxer = on.fitxer;
            for (const char* arrel : {"/content/", "/engine/", "/board/", "/stage/", "/joystick/",
                                      "/app/", "/core/", "/i18n/"}) {
                if (const auto i = fitxer.rfind(arrel); i != std::string::npos) {
                    fitxer = fitxer.substr(i + 1);
                    break;
                }
            }
            emetre(json{{"event", "skipped"},
                        {"step", fitxer + ":" + std::to_string(on.linia)},
                        {"reason", std::string(motiu)}});
        });
    }

    void ordre_media(const std::string& ordre) {
        if (ordre.starts_with("play ") && !ordre.starts_with("play animation")) {
            emetre(json{{"event", "play"}, {"path", cami_json(ordre.substr(5))}});
        } else if (ordre.starts_with("open \"")) {
            const auto fi = ordre.find('"', 6);
            emetre(json{{"event", "play"}, {"path", cami_json(ordre.substr(6, fi - 6))}});
        } else {
            emetre(json{{"event", "media"}, {"command", cami_json(ordre)}});
        }
    }

    void canvi_consola(const element& e, propietat pr) {
        if (pr != propietat::color_fons) {
            return;
        }
        const json rgb =
            e.color_fons ? json{e.color_fons->r, e.color_fons->g, e.color_fons->b} : json(nullptr);
        if (e.nom.empty()) {
            emetre(json{{"event", "colour"}, {"window", "console"}, {"rgb", rgb}});
        } else if (e.nom == elements::caselles && e.index) {
            emetre(json{{"event", "colour"}, {"cell", *e.index}, {"rgb", rgb}});
        }
    }

    long pixels(long twips, double per_pixel) const {
        return static_cast<long>(std::lround(static_cast<double>(twips) / per_pixel));
    }

    void canvi_escenari(const element& e, propietat pr) {
        const int index = e.index.value_or(0);
        if (pr == propietat::imatge) {
            emetre(json{{"event", "picture"}, {"index", index}, {"path", cami_json(e.imatge)}});
        } else if (pr == propietat::caption || pr == propietat::text) {
            emetre(json{{"event", "label"},
                        {"index", index},
                        {"text", text_json(pr == propietat::caption ? e.caption : e.text)}});
        } else if (pr == propietat::visible) {
            emetre(json{{"event", "visible"}, {"index", index}, {"value", e.visible}});
        } else if (pr == propietat::posicio) {
            const mida_pantalla m = escenaris_.mida;
            const long left = pixels(e.left, m.twips_per_pixel_x);
            const long top = pixels(e.top, m.twips_per_pixel_y);
            emetre(json{{"event", "geometry"},
                        {"element", e.nom},
                        {"index", index},
                        {"left", left},
                        {"top", top},
                        {"width", pixels(e.width, m.twips_per_pixel_x)},
                        {"height", pixels(e.height, m.twips_per_pixel_y)}});
            if (engegat_ && e.nom == elements::imatge && p_->app().estat().tipus.es_cursa() &&
                index >= 1 && index <= p_->app().estat().n_joysticks) {
                emetre(json{{"event", "token"}, {"player", index}, {"left", left}, {"top", top}});
            }
        }
    }

    void avis(avis_exercici a) {
        const sessio& s = p_->app().estat();
        switch (a) {
        case avis_exercici::engegat:
            engegat_ = true;
            vigilar();
            emetre(json{{"event", "start"},
                        {"type", text_json(s.tipus.text)},
                        {"items", s.n_elements},
                        {"cells", s.n_botons},
                        {"columns", s.n_columnes}});
            break;
        case avis_exercici::aturat:
            engegat_ = false;
            break;
        case avis_exercici::be:
            emetre(json{{"event", "feedback"}, {"kind", "right"}});
            break;
        case avis_exercici::mal:
            emetre(json{{"event", "feedback"}, {"kind", "wrong"}});
            break;
        case avis_exercici::final:
            emetre(json{{"event", "feedback"}, {"kind", "final"}});
            break;
        }
        vigilar();
    }

    // Changes of the answer and of the current question, which are state
    // rather than events: compared with what was printed last.
    void vigilar() {
        if (p_ == nullptr) {
            return;
        }
        const sessio& s = p_->app().estat();
        if (s.resposta != resposta_) {
            resposta_ = s.resposta;
            emetre(json{{"event", "answer"}, {"resposta", text_json(resposta_)}});
        }
        if (s.elements.dins(0)) {
            const element_exercici& e = s.elements[0];
            const std::string clau =
                e.correctes + '\x1f' + e.especials + '\x1f' + e.sequencia + '\x1f' + e.consigna;
            if (clau != item_) {
                item_ = clau;
                int index = 0;
                for (int i = 1; s.elements.dins(i); ++i) {
                    const element_exercici& c = s.elements[i];
                    if (c.correctes == e.correctes && c.especials == e.especials &&
                        c.consigna == e.consigna) {
                        index = i;
                        break;
                    }
                }
                emetre(json{{"event", "item"},
                            {"index", index},
                            {"correctes", text_json(e.correctes)},
                            {"especials", text_json(e.especials)},
                            {"sequencia", text_json(e.sequencia)}});
            }
        }
    }

    void executar_linia(const linia_script& l) {
        finestra& form1 = p_->app().form1();
        const auto nombre = [&](std::size_t i) { return std::stoi(l.arguments[i]); };
        if (l.ordre == "press" || l.ordre == "release" || l.ordre == "click") {
            // The mouse on a console cell, acting at once.
            const int k = nombre(0);
            const auto saltar = [&](const std::string& motiu) {
                emetre(json{{"event", "skipped"},
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
                emetre(
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

    void emetre(json esdeveniment) {
        json linia;
        linia["ms"] = std::llround((rellotge_.ara - inici_s_) * 1000.0);
        for (auto& [clau, valor] : esdeveniment.items()) {
            linia[clau] = valor;
        }
        std::cout << linia.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
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
    std::optional<resultats_disc> resultats_;
    programa* p_ = nullptr;
    finestra* escenari_ = nullptr;
    int observador_escenari_ = 0;
    bool engegat_ = false;
    std::string resposta_;
    std::string item_;
    const double inici_s_ = 36000.0;
};

int executar(const opcions_play& o) {
    const auto pantalla = parella(o.pantalla);
    if (!pantalla) {
        std::cerr << "--screen takes WIDTHxHEIGHT in pixels\n";
        return 2;
    }
    if (o.simular && !parella(*o.simular)) {
        std::cerr << "--simulate takes PADSxBUTTONS\n";
        return 2;
    }
    if (o.simular && o.mapa) {
        std::cerr << "--simulate and --map exclude each other\n";
        return 2;
    }
    std::variant<std::vector<linia_script>, std::string> script;
    if (o.script) {
        std::ifstream entrada(*o.script);
        if (!entrada) {
            std::cerr << "cannot read the script " << *o.script << '\n';
            return 2;
        }
        script = llegir_script(entrada);
    } else {
        script = llegir_script(std::cin);
    }
    if (const auto* error = std::get_if<std::string>(&script)) {
        std::cerr << *error << '\n';
        return 2;
    }
    sessio_seca sessio(o, *pantalla);
    return sessio.executar(std::get<std::vector<linia_script>>(script));
}

const registrador registre_play("play", [](CLI::App& app, int& codi) {
    auto o = std::make_shared<opcions_play>();
    CLI::App* ordre = app.add_subcommand(
        "play", "Dry run: play an exercise from a script of presses, print what happens");
    ordre->add_option("EXERCISE", o->fitxer, "exercise file (.brd)")->required();
    ordre->add_option("--script", o->script, "script file (default: standard input)");
    ordre->add_option("--program", o->programa,
                      "program folder (default: the one beside this tool, or the installed one)");
    ordre->add_option("--simulate", o->simular, "board as Tauler > Simular: PADSxBUTTONS");
    ordre->add_option("--map", o->mapa, "board map file, loaded as Mapa recuperar does");
    ordre->add_option("--pads", o->pads, "button counts of the pads, e.g. 12,12 (with --map)");
    ordre->add_option("--columns", o->columnes, "columns of the board")->check(CLI::Range(1, 255));
    ordre->add_option("--seed", o->llavor, "seed of every random draw");
    ordre->add_option("--screen", o->pantalla, "stage screen WIDTHxHEIGHT in pixels");
    ordre->add_option("--media-ms", o->media_ms, "how long every media item plays")
        ->check(CLI::Range(0.0, 3600000.0));
    ordre->add_option("--results", o->resultats,
                      "append the results log of the run (CSV) to this file");
    ordre->callback([o, &codi] { codi = executar(*o); });
});

} // namespace

} // namespace quorvel::inspect
