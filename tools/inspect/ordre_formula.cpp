// quorvel-inspect formula --text1 T1 --text2 T2 --mode M A B: the move
// formula of an item with column formula T1 and row formula T2, worked out
// for the values A and B in mode M (1 and 2 check a column or row step from A
// to B, 3 and 4 compute the column or row that follows A).
#include "app/sessio.h"
#include "content/dibuix.h"
#include "core/errors.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <cstdint>
#include <memory>

namespace quorvel::inspect {

namespace {

struct opcions_formula {
    std::string text_1;
    std::string text_2;
    std::int16_t mode = 0;
    std::int16_t a = 0;
    std::int16_t b = 0;
};

void configurar(CLI::App& app, int& codi_sortida) {
    auto o = std::make_shared<opcions_formula>();
    auto* ordre = app.add_subcommand("formula", "Result of an item's move formula");
    ordre->add_option("--text1", o->text_1, "column formula over xi and xf, e.g. \"xf = xi + 1\"");
    ordre->add_option("--text2", o->text_2, "row formula over yi and yf");
    ordre->add_option("--mode", o->mode, "1 or 2: check a column or row step; 3 or 4: compute it")
        ->required();
    ordre->add_option("A", o->a, "initial column or row")->required();
    ordre->add_option("B", o->b, "final column or row (modes 1 and 2; default 0)");
    ordre->callback([o, &codi_sortida] {
        sessio s;
        s.elements.redimensionar(0, 0);
        s.elements[0].text_1 = text_programa(o->text_1);
        s.elements[0].text_2 = text_programa(o->text_2);
        try {
            imprimir({{"text", text_json(formula_calcular(s, o->a, o->b, o->mode))}});
            codi_sortida = 0;
        } catch (const error_pas& e) {
            imprimir({{"error", e.what()}});
            codi_sortida = 1;
        }
    });
}

const registrador registre{"formula", configurar};

} // namespace

} // namespace quorvel::inspect
