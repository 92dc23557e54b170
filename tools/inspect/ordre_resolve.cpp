// quorvel-inspect resolve --base FOLDER TEXT: the media paths a "|"-separated
// list of names resolves to under a folder, and the text with the folder
// shortened out of it.
#include "app/sessio.h"
#include "content/rutes.h"
#include "platform/local/fitxers_disc.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <memory>

namespace quorvel::inspect {

namespace {

struct opcions_resolve {
    std::string base;
    std::string text;
};

nlohmann::json resoldre(const opcions_resolve& o) {
    sessio s;
    s.carpeta_exercici = text_programa(o.base);
    // A folder text ends with its separator; one given without gets it.
    if (!s.carpeta_exercici.empty() && s.carpeta_exercici.back() != '/' &&
        s.carpeta_exercici.back() != '\\') {
        s.carpeta_exercici += '/';
    }
    s.esc_llegint = 0;
    fitxers_disc fitxers;
    const std::string text = text_programa(o.text);
    return {{"ruta_resoldre", text_json(ruta_resoldre(s, fitxers, text))},
            {"ruta_escurcar", text_json(ruta_escurcar(s, text))}};
}

const registrador registre_ordre{
    "resolve", [](CLI::App& app, int& codi_sortida) {
        auto o = std::make_shared<opcions_resolve>();
        auto* ordre = app.add_subcommand("resolve", "Media paths of a list of names");
        ordre->add_option("--base", o->base, "Folder the names are relative to")->required();
        ordre->add_option("TEXT", o->text, "Names separated by |")->required();
        ordre->callback([o, &codi_sortida] {
            imprimir(resoldre(*o));
            codi_sortida = 0;
        });
    }};

} // namespace

} // namespace quorvel::inspect
