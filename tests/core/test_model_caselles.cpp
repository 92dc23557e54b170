#include "core/errors.h"
#include "core/finestra.h"
#include "core/model_caselles.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

struct consola {
    finestra f{"Form1"};
    model_caselles m;
    std::vector<int> canvis;

    consola() {
        f.afegir("Check2", tipus_element::quadre_text, 0);
        f.carregar("Check2", 1);
        f.carregar("Check2", 2);
        m.en_canvi = [this](int k) { canvis.push_back(k); };
    }
    const element& casella(int k) const { return f.obtenir("Check2", k); }
};

// The console's cell shows the model: a counter over the selection's mark, the
// mark when there is no counter, the colour as written.
TEST(model_caselles, the_console_cell_shows_the_model) {
    consola c;
    c.m.posar_seleccionada(c.f, 1, true);
    EXPECT_EQ(c.casella(1).text, "*");
    c.m.posar_text(c.f, 1, "3");
    EXPECT_EQ(c.casella(1).text, "3");
    c.m.posar_text(c.f, 1, "");
    EXPECT_EQ(c.casella(1).text, "*");
    c.m.posar_color(c.f, 1, color_verd);
    EXPECT_EQ(c.casella(1).color_fons, color_verd);
    EXPECT_EQ(c.m.seleccionades(), (std::set<int>{1}));
    EXPECT_EQ(c.canvis, (std::vector<int>{1, 1, 1, 1}));

    // A text written on the view is not the model's: nothing reads it back.
    c.f.posar_text("Check2", 2, "10");
    EXPECT_EQ(c.m.casella(2).text, "");
}

TEST(model_caselles, a_cell_with_no_box_keeps_nothing_and_a_box_gone_starts_at_rest) {
    consola c;
    EXPECT_THROW(c.m.posar_text(c.f, 5, "1"), error_element);
    EXPECT_EQ(c.m.casella(5), casella_tauler{});

    c.m.posar_color(c.f, 2, color_groc);
    c.m.posar_seleccionada(c.f, 2, true);
    c.m.retenir(2, 3, true);
    c.m.descarregar(c.f, 2);
    EXPECT_FALSE(c.f.existeix("Check2", 2));
    EXPECT_EQ(c.m.casella(2).color_fons, std::nullopt);
    EXPECT_TRUE(c.m.seleccionades().empty());
    EXPECT_EQ(c.m.casella(2).fonts, (std::set<int>{3}));

    c.m.retenir_nomes(3, {1});
    EXPECT_TRUE(c.m.casella(2).fonts.empty());
    EXPECT_EQ(c.m.casella(1).fonts, (std::set<int>{3}));
}

} // namespace
} // namespace quorvel
