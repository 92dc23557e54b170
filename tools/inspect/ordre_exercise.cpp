// quorvel-inspect exercise FILE: what the program holds after loading an
// exercise file into a freshly started session, on a board of C cells in rows
// of N columns, and with --cells, which cells it names that a board of that
// many cells lacks. The program folder is found from this tool's own folder the
// way the program finds its own (beside the executable, or the installed one).
#include "app/sessio.h"
#include "content/caselles_tauler.h"
#include "content/exercici_fitxer.h"
#include "content/forma_tauler.h"
#include "engine/exercici_inicialitzar.h"
#include "platform/local/fitxers_disc.h"
#include "tools/inspect/avisos.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/reescriptura.h"
#include "tools/inspect/sortida.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

namespace quorvel::inspect {

namespace {

struct opcions {
    std::string fitxer;
    int botons = 12;
    int columnes = 4;
    int joysticks = 1;
    std::optional<std::string> programa;
    bool lint = false;
    std::optional<int> caselles;
    std::optional<std::string> reescriure;
};

nlohmann::json element_json(const element_exercici& e) {
    return {{"consigna", text_json(e.consigna)},   {"correctes", text_json(e.correctes)},
            {"sequencia", text_json(e.sequencia)}, {"text_1", text_json(e.text_1)},
            {"text_2", text_json(e.text_2)},       {"especials", text_json(e.especials)},
            {"media_1", text_json(e.media_1)},     {"media_2", text_json(e.media_2)},
            {"media_3", text_json(e.media_3)},     {"media_4", text_json(e.media_4)},
            {"media_5", text_json(e.media_5)}};
}

int executar(const opcions& o) {
    sessio s;
    exercici_inicialitzar(s, {});
    forma_posar_botons(s, s.n_botons_total, static_cast<std::int16_t>(o.botons));
    forma_posar_columnes(s, static_cast<std::int16_t>(o.columnes));
    forma_posar_joysticks(s, static_cast<std::int16_t>(o.joysticks));
    s.carpeta_programa =
        o.programa ? sense_separador_final(text_programa(*o.programa)) : carpeta_executable();
    fitxers_disc fitxers;
    std::vector<avis_lectura> avisos;
    // The lines of the cell lists are kept only by a load that notes findings.
    const bool amb_avisos = o.lint || o.caselles.has_value();
    exercici_carregar(s, fitxers, text_programa(o.fitxer), amb_avisos ? &avisos : nullptr);
    std::vector<avis_lectura> fora;
    if (o.caselles) {
        fora = caselles_fora_del_tauler(s, *o.caselles);
    }
    if (o.lint) {
        avisos.insert(avisos.end(), fora.begin(), fora.end());
        std::stable_sort(
            avisos.begin(), avisos.end(),
            [](const avis_lectura& a, const avis_lectura& b) { return a.linia < b.linia; });
        return imprimir_avisos(avisos);
    }
    nlohmann::json llista = nullptr;
    if (s.llista_exercici.te_emmagatzematge()) {
        llista = nlohmann::json::array();
        for (const auto& t : s.llista_exercici.valors()) {
            llista.push_back(text_json(t));
        }
    }
    nlohmann::json elements = nullptr;
    if (s.elements.te_emmagatzematge()) {
        elements = nlohmann::json::array();
        for (const auto& e : s.elements.valors()) {
            elements.push_back(element_json(e));
        }
    }
    nlohmann::json sortida = {{"tipus_exercici", text_json(s.tipus.text)},
                              {"fitxer_exercici", text_json(s.fitxer_exercici)},
                              {"carpeta_exercici", text_json(s.carpeta_exercici)},
                              {"consigna_exercici", text_json(s.consigna_exercici)},
                              {"n_items", s.n_items},
                              {"llista_exercici", llista},
                              {"valor_extra", s.valor_extra},
                              {"n_elements", s.n_elements},
                              {"elements", elements}};
    if (o.caselles) {
        nlohmann::json llista_fora = nlohmann::json::array();
        for (const auto& a : fora) {
            llista_fora.push_back({{"linia", a.linia}, {"missatge", text_json(a.missatge)}});
        }
        sortida["fora_del_tauler"] = llista_fora;
    }
    imprimir(sortida);
    return 0;
}

void configurar(CLI::App& app, int& codi_sortida) {
    auto o = std::make_shared<opcions>();
    auto* ordre = app.add_subcommand("exercise", "Shows what the program holds after loading an "
                                                 "exercise file");
    ordre->add_option("FILE", o->fitxer, "exercise file (.brd)")->required();
    auto* botons = ordre
                       ->add_option("--botons", o->botons,
                                    "number of cells of the board (n_botons), default 12")
                       ->check(CLI::Range(0, 32767));
    ordre->add_option("--columnes", o->columnes, "cells per row (n_columnes), default 4")
        ->check(CLI::Range(0, 32767));
    ordre->add_option("--joysticks", o->joysticks, "number of players (n_joysticks), default 1")
        ->check(CLI::Range(0, 32767));
    ordre->add_option("--program", o->programa,
                      "program folder, where bdr.tmp lives (default: the one beside this tool, or "
                      "the installed one)");
    ordre
        ->add_option("--cells", o->caselles,
                     "a board of N cells: name the cells the exercise asks for beyond it "
                     "(with --lint, as findings; otherwise under fora_del_tauler); also the "
                     "board the file is read on unless --botons is given")
        ->check(CLI::Range(0, 32767));
    ordre->add_flag("--lint", o->lint,
                    "print what the reader had to skip or guess, one line each; exit 1 if any");
    ordre->add_option("--rewrite", o->reescriure,
                      "write the file again through the editor's writer to OUT (same records, "
                      "same order); exit 0 when OUT is written");
    ordre->callback([o, botons, &codi_sortida] {
        if (o->reescriure) {
            codi_sortida = reescriure_exercici(o->fitxer, *o->reescriure);
            return;
        }
        if (o->caselles && botons->count() == 0) {
            o->botons = *o->caselles;
        }
        codi_sortida = executar(*o);
    });
}

const registrador registre{"exercise", configurar};

} // namespace

} // namespace quorvel::inspect
