// quorvel-inspect scenario FILE: the stage elements the program reads from a
// scenario file, for a number of players, with the program folder (the base
// of graella.esc's media) and the exercise folder (the base of any other
// scenario's media). Both folders default to FILE's folder.
#include "app/sessio.h"
#include "content/escenari_fitxer.h"
#include "content/forma_tauler.h"
#include "platform/local/fitxers_disc.h"
#include "tools/inspect/avisos.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <memory>
#include <optional>

namespace quorvel::inspect {

namespace {

struct opcions {
    std::string fitxer;
    int jugadors = 1;
    std::optional<std::string> programa;
    std::optional<std::string> base;
    bool lint = false;
};

nlohmann::json casella_json(const casella_esc& e) {
    nlohmann::json fitxers = nullptr;
    if (e.fitxers.te_emmagatzematge()) {
        fitxers = nlohmann::json::array();
        for (const auto& f : e.fitxers.valors()) {
            fitxers.push_back(
                {{"cami", text_json(f.cami)}, {"amplada", f.amplada}, {"alcada", f.alcada}});
        }
    }
    return {{"nom", text_json(e.nom)}, {"x_ini", e.x_ini},     {"y_ini", e.y_ini},
            {"x_fi", e.x_fi},          {"y_fi", e.y_fi},       {"pas_x", e.pas_x},
            {"pas_y", e.pas_y},        {"amplada", e.amplada}, {"alcada", e.alcada},
            {"fitxers", fitxers}};
}

int executar(const opcions& o) {
    sessio s;
    forma_posar_joysticks(s, static_cast<std::int16_t>(o.jugadors));
    const std::string carpeta = carpeta_del_fitxer(o.fitxer);
    s.carpeta_programa = o.programa ? sense_separador_final(text_programa(*o.programa)) : carpeta;
    // The exercise folder always ends with its separator in the program.
    s.carpeta_exercici = o.base ? text_programa(*o.base) : carpeta;
    if (s.carpeta_exercici.empty() ||
        (s.carpeta_exercici.back() != '\\' && s.carpeta_exercici.back() != '/')) {
        s.carpeta_exercici += '\\';
    }
    fitxers_disc fitxers;
    std::vector<avis_lectura> avisos;
    graella_carregar(s, fitxers, text_programa(o.fitxer), o.lint ? &avisos : nullptr);
    if (o.lint) {
        return imprimir_avisos(avisos);
    }
    nlohmann::json graella = nullptr;
    if (s.graella.te_emmagatzematge()) {
        graella = nlohmann::json::array();
        for (const auto& e : s.graella.valors()) {
            graella.push_back(casella_json(e));
        }
    }
    imprimir({{"esc_titol", text_json(s.esc_titol)},
              {"esc_tipus", s.esc_tipus},
              {"esc_n", s.esc_n},
              {"graella", graella}});
    return 0;
}

void configurar(CLI::App& app, int& codi_sortida) {
    auto o = std::make_shared<opcions>();
    auto* ordre =
        app.add_subcommand("scenario", "Shows the stage elements read from a scenario file");
    ordre->add_option("FILE", o->fitxer, "scenario file")->required();
    ordre->add_option("--jugadors", o->jugadors, "number of players (n_joysticks), default 1")
        ->check(CLI::Range(0, 32767));
    ordre->add_option("--program", o->programa,
                      "program folder, the base of graella.esc's media (default: FILE's folder)");
    ordre->add_option("--base", o->base,
                      "exercise folder, the base of other scenarios' media (default: FILE's "
                      "folder)");
    ordre->add_flag("--lint", o->lint,
                    "print what the reader had to skip or guess, one line each; exit 1 if any");
    ordre->callback([o, &codi_sortida] { codi_sortida = executar(*o); });
}

const registrador registre{"scenario", configurar};

} // namespace

} // namespace quorvel::inspect
