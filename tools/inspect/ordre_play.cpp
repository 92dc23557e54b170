// quorvel-inspect play EXERCISE: a dry run. The exercise is opened as the
// "Exercicis" menu opens it, on the program's own wiring with the real disk
// and settings, and simulated pads, media, MIDI, stage and clock; a script of
// presses drives it, and everything the program does is printed as one JSON
// object per line. This file reads the command line; the script reader, the
// session and the event printer are the play_*.cpp files.
#include "tools/inspect/ordres.h"
#include "tools/inspect/play_script.h"
#include "tools/inspect/play_sessio.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace quorvel::inspect {

namespace {

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
    return executar_sessio(o, *pantalla, std::get<std::vector<linia_script>>(script));
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
