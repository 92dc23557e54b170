// quorvel-inspect expand TEXT [--botons C] [--columnes N]: a cell list with
// its shape codes replaced by their cells, on a board of C cells in rows of N.
#include "app/sessio.h"
#include "content/dibuix.h"
#include "content/forma_tauler.h"
#include "core/errors.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <cstdint>
#include <memory>

namespace quorvel::inspect {

namespace {

struct opcions_expand {
    std::string text;
    std::int16_t botons = 12;
    std::int16_t columnes = 4;
};

void configurar(CLI::App& app, int& codi_sortida) {
    auto o = std::make_shared<opcions_expand>();
    auto* ordre = app.add_subcommand("expand", "Cell list with its shape codes expanded");
    ordre->add_option("TEXT", o->text, "cell list, e.g. B(LR)")->required();
    ordre->add_option("--botons", o->botons, "number of cells of the board")->capture_default_str();
    ordre->add_option("--columnes", o->columnes, "cells per row")->capture_default_str();
    ordre->callback([o, &codi_sortida] {
        sessio s;
        forma_posar_botons(s, s.n_botons_total, o->botons);
        forma_posar_columnes(s, o->columnes);
        try {
            imprimir({{"text", text_json(codis_expandir(s, text_programa(o->text)))}});
            codi_sortida = 0;
        } catch (const error_pas& e) {
            imprimir({{"error", e.what()}});
            codi_sortida = 1;
        }
    });
}

const registrador registre{"expand", configurar};

} // namespace

} // namespace quorvel::inspect
