#include "app/sessio.h"
#include "board/dibuixar.h"
#include "core/finestra.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quorvel {
namespace {

// A board of n cells under an anchor box of 500 x 300 twips at (100, 200):
// neighbours are 550 twips apart across and 330 down.
struct tauler {
    sessio s;
    finestra f{"Form1"};

    tauler(int caselles, const char* columnes) {
        f.afegir("n_col", tipus_element::quadre_text).text = columnes;
        element& ancora = f.afegir("Check2", tipus_element::quadre_text, 0);
        ancora.left = 100;
        ancora.top = 200;
        ancora.width = 500;
        ancora.height = 300;
        s.n_botons = static_cast<std::int16_t>(caselles);
        s.mapa_botons.redimensionar(0, caselles);
        for (int i = 1; i <= caselles; ++i) {
            s.mapa_botons[i].joy = 1;
        }
    }

    [[nodiscard]] const element& casella(int i) const { return f.obtenir("Check2", i); }
};

TEST(dibuixar, cells_fill_rows_of_the_column_count_under_the_anchor) {
    tauler t(10, "4");
    dibuixar(t.s, t.f);
    EXPECT_EQ(t.s.n_columnes, 4);
    for (int i = 1; i <= 10; ++i) {
        const element& e = t.casella(i);
        const int fila = (i - 1) / 4;
        const int columna = (i - 1) % 4;
        EXPECT_EQ(e.left, 100 + 550 * columna) << i;
        EXPECT_EQ(e.top, 200 + 330 * (fila + 1)) << i;
        EXPECT_EQ(e.width, 500) << i;
        EXPECT_EQ(e.height, 300) << i;
        EXPECT_TRUE(e.visible) << i;
        EXPECT_EQ(e.text, "") << i;
    }
    // Cell 5 starts the second row under cell 1; the third row holds two.
    EXPECT_EQ(t.casella(5).left, t.casella(1).left);
    EXPECT_EQ(t.casella(5).top, t.casella(1).top + 330);
    EXPECT_EQ(t.casella(10).top, t.casella(9).top);
    EXPECT_FALSE(t.f.existeix("Check2", 11));

    // With one column every cell starts a row.
    t.f.posar_text("n_col", {}, "1");
    dibuixar(t.s, t.f);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(t.casella(i).left, 100) << i;
        EXPECT_EQ(t.casella(i).top, 200 + 330 * i) << i;
    }
}

TEST(dibuixar, a_box_reading_a_is_kept_and_moved_into_place) {
    tauler t(6, "3");
    t.f.carregar("Check2", 2);
    t.s.caselles.posar_text(t.f, 2, "A");
    t.f.carregar("Check2", 3);
    t.s.caselles.posar_text(t.f, 3, "1");
    dibuixar(t.s, t.f);
    EXPECT_EQ(t.casella(2).text, "A");
    EXPECT_EQ(t.casella(2).left, 650);
    EXPECT_EQ(t.casella(2).top, 530);
    // Any other box is created anew, empty.
    EXPECT_EQ(t.casella(3).text, "");
    EXPECT_EQ(t.casella(3).left, 1200);
}

TEST(dibuixar, map_marks_colour_switched_off_and_unassigned_cells) {
    tauler t(4, "2");
    t.s.mapa_botons[2].joy = -2;
    t.s.mapa_botons[3].joy = 0;
    t.s.mapa_botons[4].joy = -1;
    dibuixar(t.s, t.f);
    EXPECT_EQ(t.casella(1).color_fons, std::nullopt);
    EXPECT_EQ(t.casella(2).color_fons, color_gris);
    EXPECT_EQ(t.casella(3).color_fons, color_vermell);
    EXPECT_EQ(t.casella(4).color_fons, std::nullopt);
}

TEST(dibuixar, column_counts_below_one_keep_the_previous_count) {
    struct cas {
        const char* text;
        int abans, despres;
    };
    const cas casos[] = {
        {"0", 4, 4}, {"-3", 2, 2}, {"0.4", 5, 5}, {"99999", 4, 4}, {"0", 0, 3}, {"2.5", 4, 2},
    };
    for (const cas& c : casos) {
        tauler t(6, c.text);
        t.s.n_columnes = static_cast<std::int16_t>(c.abans);
        dibuixar(t.s, t.f);
        EXPECT_EQ(t.s.n_columnes, c.despres) << c.text;
        // The layout follows the count in force.
        EXPECT_EQ(t.casella(c.despres + 1).left, 100) << c.text;
    }
}

TEST(dibuixar, redraw_keeps_boxes_beyond_a_smaller_board) {
    tauler t(6, "3");
    dibuixar(t.s, t.f);
    t.s.n_botons = 4;
    t.f.posar_text("n_col", {}, "2");
    dibuixar(t.s, t.f);
    EXPECT_EQ(t.casella(3).left, 100);
    EXPECT_TRUE(t.f.existeix("Check2", 6));
}

} // namespace
} // namespace quorvel
