// quorvel-inspect records FILE [--base FOLDER] [--idioma NAME]: every record
// of a content file as the loaders read it, with its value (field 2 at TAB).
#include "app/sessio.h"
#include "content/registre.h"
#include "content/registre_net.h"
#include "platform/local/fitxers_disc.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <memory>

namespace quorvel::inspect {

namespace {

struct opcions_records {
    std::string fitxer;
    std::string base;
    std::string idioma;
};

// A folder text ends with its separator; one given without gets it.
std::string carpeta_amb_separador(std::string carpeta) {
    if (!carpeta.empty() && carpeta.back() != '/' && carpeta.back() != '\\') {
        carpeta += '/';
    }
    return carpeta;
}

nlohmann::json records(const opcions_records& o) {
    sessio s;
    s.carpeta_exercici = carpeta_amb_separador(text_programa(o.base));
    s.esc_llegint = 0;
    s.idioma = text_programa(o.idioma);
    fitxers_disc fitxers;
    nlohmann::json sortida = nlohmann::json::array();
    const auto text = fitxers.llegir_text(text_programa(o.fitxer));
    if (!text) {
        return sortida;
    }
    lector fitxer(*text);
    std::string registre;
    // The empty text the reader gives once the file is over is no record.
    while (registre_seguent(fitxer, registre)) {
        sortida.push_back({{"registre", text_json(registre)},
                           {"valor", text_json(camp_extreure(s, registre, 2, tab))}});
    }
    return sortida;
}

const registrador registre_ordre{
    "records", [](CLI::App& app, int& codi_sortida) {
        auto o = std::make_shared<opcions_records>();
        auto* ordre = app.add_subcommand("records", "Records of a content file and their values");
        ordre->add_option("FILE", o->fitxer, "Content file")->required();
        ordre->add_option("--base", o->base, "Folder shortened out of the records");
        ordre->add_option("--idioma", o->idioma, "Language of the series word (e.g. catala)");
        ordre->callback([o, &codi_sortida] {
            imprimir(records(*o));
            codi_sortida = 0;
        });
    }};

} // namespace

} // namespace quorvel::inspect
