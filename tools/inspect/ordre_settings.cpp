// quorvel-inspect settings FOLDER: the settings the program reads from
// FOLDER/quorvel.ini at start-up, before start-up replaces 0 columns by 3.
#include "app/configuracio.h"
#include "app/sessio.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "tools/inspect/avisos.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <memory>

namespace quorvel::inspect {

namespace {

void configurar(CLI::App& app, int& codi_sortida) {
    auto carpeta = std::make_shared<std::string>();
    auto* ordre = app.add_subcommand("settings", "Shows the settings read from FOLDER/quorvel.ini");
    ordre->add_option("FOLDER", *carpeta, "program folder")->required();
    ordre->callback([carpeta, &codi_sortida] {
        sessio s;
        s.carpeta_programa = sense_separador_final(text_programa(*carpeta));
        fitxers_disc fitxers;
        perfil_ini perfil;
        configuracio_llegir(s, fitxers, perfil);
        imprimir({
            {"mapa_fitxer", text_json(s.mapa_fitxer)},
            {"n_columnes", s.n_columnes},
            {"idioma", text_json(s.idioma)},
            {"num_butons", s.num_butons},
            {"cursors", s.cursors},
            {"invers", s.invers},
        });
        codi_sortida = 0;
    });
}

const registrador registre{"settings", configurar};

} // namespace

} // namespace quorvel::inspect
