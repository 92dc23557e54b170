#include "core/errors.h"
#include "core/finestra.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

TEST(finestra, change_handler_runs_only_when_the_text_differs) {
    finestra f("Form1");
    f.afegir("Check2", tipus_element::quadre_text, 0);
    f.carregar("Check2", 9);
    std::vector<std::pair<int, std::string>> canvis;
    f.en_canvi("Check2", [&](std::optional<int> i) {
        canvis.emplace_back(*i, f.obtenir("Check2", *i).text);
    });
    f.posar_text("check2", 9, "1");
    f.posar_text("Check2", 9, "1");
    f.posar_text("Check2", 9, "0");
    ASSERT_EQ(canvis.size(), 2u);
    EXPECT_EQ(canvis[0], std::make_pair(9, std::string("1")));
    EXPECT_EQ(canvis[1], std::make_pair(9, std::string("0")));
}

TEST(finestra, arrays_grow_from_the_template) {
    finestra f("Form1");
    auto& plantilla = f.afegir("mn_idioma", tipus_element::menu, 0);
    plantilla.caption = "idioma";
    plantilla.pare = "mn_idio";
    const auto& nou = f.carregar("mn_idioma", 1);
    EXPECT_EQ(nou.caption, "idioma");
    EXPECT_EQ(nou.pare, "mn_idio");
    EXPECT_FALSE(nou.visible);
    EXPECT_THROW(f.carregar("mn_idioma", 1), error_element);
    EXPECT_THROW(f.descarregar("mn_idioma", 2), error_element);
    EXPECT_THROW(f.descarregar("mn_idioma", 0), error_element);
    EXPECT_EQ(f.index_maxim("mn_idioma"), 1);
    f.descarregar("mn_idioma", 1);
    EXPECT_EQ(f.indexos("mn_idioma"), std::vector<int>{0});
}

TEST(finestra, lookups_fail_for_missing_elements) {
    finestra f("Form1");
    f.afegir("n_col", tipus_element::quadre_text);
    EXPECT_THROW((void)f.obtenir("nope"), error_element);
    EXPECT_THROW((void)f.obtenir("n_col", 0), error_element);
    EXPECT_TRUE(f.existeix("N_COL"));
    EXPECT_THROW(f.afegir("n_col", tipus_element::quadre_text), error_element);
}

TEST(finestra, observers_see_each_change_once) {
    finestra f("Form1");
    f.afegir("Label1", tipus_element::etiqueta);
    int vistos = 0;
    const int id = f.observar([&](const element& e, propietat p) {
        if (e.nom == "Label1" && p == propietat::caption) {
            ++vistos;
        }
    });
    f.posar_caption("Label1", {}, "Columnes");
    f.posar_caption("Label1", {}, "Columnes");
    f.deixar_observar(id);
    f.posar_caption("Label1", {}, "Columnas");
    EXPECT_EQ(vistos, 1);
}

} // namespace
} // namespace quorvel
