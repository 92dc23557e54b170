// quorvel-inspect results FILE...: the per-player summary of results logs as
// JSON, over all the files given and per day.
#include "content/resultats.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace quorvel::inspect {

namespace {

using json = nlohmann::ordered_json;

constexpr const char* ajuda_results =
    "Per-player summary of results logs, as JSON:\n"
    "  files: the logs read; rows: rows counted; bad_rows: rows without a time or a known\n"
    "  result (and logs without the header line);\n"
    "  players: over every log given; sessions: [{date, players}] one per day, oldest first.\n"
    "  Each player: pad (the pad number, null when none), name, presses, right (right, final,\n"
    "  race_step and pair results), wrong, share_right (right / (right + wrong), null when\n"
    "  both are 0), median_ms (median response time: the time since the player's previous\n"
    "  press in the question, or since the instruction for the first one; ignored presses\n"
    "  are left out; null without any).";

json nombre_o_nul(const std::optional<double>& valor) {
    return valor ? json(*valor) : json(nullptr);
}

json jugadors_json(const std::vector<resum_jugador>& jugadors) {
    json llista = json::array();
    for (const resum_jugador& j : jugadors) {
        llista.push_back({{"pad", j.jugador > 0 ? json(j.jugador) : json(nullptr)},
                          {"name", j.nom},
                          {"presses", j.premudes},
                          {"right", j.encerts},
                          {"wrong", j.errors},
                          {"share_right", nombre_o_nul(j.proporcio_encerts)},
                          {"median_ms", nombre_o_nul(j.mediana_ms)}});
    }
    return llista;
}

int results(const std::vector<std::string>& fitxers) {
    acumulador_resultats a;
    for (const std::string& f : fitxers) {
        std::ifstream entrada(f, std::ios::binary);
        if (!entrada) {
            std::cerr << "cannot read " << f << '\n';
            return 1;
        }
        std::ostringstream text;
        text << entrada.rdbuf();
        a.afegir(text.str());
    }
    const resum_resultats r = a.resum();
    json sessions = json::array();
    for (const resum_sessio& s : r.sessions) {
        sessions.push_back({{"date", s.data}, {"players", jugadors_json(s.jugadors)}});
    }
    const json sortida{{"files", fitxers},
                       {"rows", r.files},
                       {"bad_rows", r.files_dolentes},
                       {"players", jugadors_json(r.jugadors)},
                       {"sessions", sessions}};
    std::cout << sortida.dump(2, ' ', false, json::error_handler_t::replace) << '\n';
    return 0;
}

const registrador registre_results("results", [](CLI::App& app, int& codi) {
    auto fitxers = std::make_shared<std::vector<std::string>>();
    CLI::App* ordre =
        app.add_subcommand("results", "Per-player summary of results logs (CSV) as JSON");
    ordre->footer(ajuda_results);
    ordre->add_option("FILE", *fitxers, "results log (.csv)")->required();
    ordre->callback([fitxers, &codi] { codi = results(*fitxers); });
});

} // namespace

} // namespace quorvel::inspect
