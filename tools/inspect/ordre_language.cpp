// quorvel-inspect language FILE: the translation tables the program holds
// after loading FILE as a language file.
#include "app/sessio.h"
#include "i18n/idioma.h"
#include "platform/local/fitxers_disc.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <memory>
#include <optional>

namespace quorvel::inspect {

namespace {

nlohmann::json entrades_json(const seccio_idioma& seccio) {
    auto entrades = nlohmann::json::array();
    if (!seccio.entrades.te_emmagatzematge()) {
        return entrades;
    }
    for (const element_traduccio& e : seccio.entrades.valors()) {
        entrades.push_back({{"control", text_json(e.control)},
                            {"index", text_json(e.index)},
                            {"text", text_json(e.text)},
                            {"tipus", text_json(e.tipus)}});
    }
    return entrades;
}

nlohmann::json taules_json(const sessio& s) {
    auto traduccio = nlohmann::json::array();
    if (s.traduccio.te_emmagatzematge()) {
        for (const seccio_idioma& seccio : s.traduccio.valors()) {
            traduccio.push_back(
                {{"finestra", text_json(seccio.finestra)}, {"entrades", entrades_json(seccio)}});
        }
    }
    auto textos = nlohmann::json::array();
    if (s.textos_idioma.te_emmagatzematge()) {
        for (const std::string& t : s.textos_idioma.valors()) {
            textos.push_back(text_json(t));
        }
    }
    return {{"traduccio", traduccio}, {"textos_idioma", textos}};
}

struct opcions {
    std::string fitxer;
    std::optional<std::string> idioma;
};

void configurar(CLI::App& app, int& codi_sortida) {
    auto o = std::make_shared<opcions>();
    auto* ordre = app.add_subcommand("language", "Shows the tables read from a language file");
    ordre->add_option("FILE", o->fitxer, "language file (.trad)")->required();
    ordre->add_option("--idioma", o->idioma, "value of idioma during the load");
    ordre->callback([o, &codi_sortida] {
        sessio s;
        if (o->idioma) {
            s.idioma = text_programa(*o->idioma);
        }
        fitxers_disc fitxers;
        idioma_carregar_fitxer(s, fitxers, text_programa(o->fitxer));
        imprimir(taules_json(s));
        codi_sortida = 0;
    });
}

const registrador registre{"language", configurar};

} // namespace

} // namespace quorvel::inspect
