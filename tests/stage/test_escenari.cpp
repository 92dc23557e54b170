#include "app/sessio.h"
#include "content/escenari_fitxer.h"
#include "core/finestra.h"
#include "core/text.h"
#include "stage/escenari.h"
#include "stage/escenari_complements.h"
#include "tests/content/fitxers_prova.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace quorvel {
namespace {

double d(long twips) {
    return static_cast<double>(twips);
}

// A 1280 x 960 pixel screen at 15 twips per pixel.
struct banc {
    fakes::fitxers_falsos fitxers;
    fakes::rellotge_fals rellotge;
    fakes::eines_falses eines{rellotge};
    sessio s;
    finestra esc{"escenari"};

    banc(int tipus, int media) {
        escenari_construir(esc);
        s.esc_tipus = static_cast<std::int16_t>(tipus);
        s.esc_n = 1;
        s.graella.redimensionar(0, 1);
        s.graella[1].fitxers.redimensionar(0, media);
        for (int j = 1; j <= media; ++j) {
            const std::string cami = "/p/imatge/m" + std::to_string(j) + ".gif";
            fitxers.posar(cami, "GIF89a");
            s.graella[1].fitxers[j] = {cami, 100, 50};
        }
    }

    const element& img(int j) const { return esc.obtenir("imatge", j); }
    void preparar() { escenari_preparar(s, fitxers, eines, esc); }
};

TEST(escenari, board_grid_centres_rows_of_the_column_count) {
    banc b(2, 7);
    b.s.n_botons = 7;
    b.s.n_columnes = 3;
    b.s.mapa_botons.redimensionar(0, 7);
    b.s.mapa_botons[5].joy = -2;
    b.s.mapa_botons[6].joy = -1;
    b.preparar();
    // Template 1335 x 1455 twips scaled to fill three rows of the height.
    const double k = std::min(19200 / (3 * 1335 * 1.1), 14400 / (3 * 1455 * 1.1));
    const double w = 1335 * k;
    const double h = 1455 * k;
    const double x0 = (19200 - 3 * w * 1.1) / 2;
    EXPECT_NEAR(d(b.img(1).left), x0, 1);
    EXPECT_NEAR(d(b.img(1).width), w, 1);
    EXPECT_NEAR(d(b.img(3).left), x0 + 2 * w * 1.1, 2);
    EXPECT_EQ(d(b.img(4).left), d(b.img(1).left));
    EXPECT_NEAR(d(b.img(4).top), d(b.img(1).top) + h * 1.1, 1);
    EXPECT_EQ(d(b.img(7).left), d(b.img(1).left));
    EXPECT_GT(d(b.img(7).top), d(b.img(4).top));
    EXPECT_FALSE(b.img(5).visible); // switched off: placed but hidden
    EXPECT_TRUE(b.img(6).visible);
    EXPECT_EQ(b.img(2).imatge, "/p/imatge/m2.gif");
    EXPECT_TRUE(b.esc.visible());
}

TEST(escenari, score_grid_has_ten_per_row_and_a_score_label) {
    banc b(3, 12);
    b.s.n_botons = 12;
    b.preparar();
    const double cel_w = 19200.0 / 22;
    const double cel_h = 14400.0 / 11;
    EXPECT_NEAR(d(b.img(1).left), cel_w / 2, 1);
    EXPECT_NEAR(d(b.img(10).left), cel_w / 2 + 9 * cel_w, 5); // each step rounds
    EXPECT_EQ(d(b.img(10).top), d(b.img(1).top));
    EXPECT_EQ(d(b.img(11).left), d(b.img(1).left));
    EXPECT_NEAR(d(b.img(11).top), d(b.img(1).top) + cel_h, 1);
    const element& marcador = b.esc.obtenir("texto", 1);
    EXPECT_EQ(marcador.caption, "0");
    EXPECT_TRUE(marcador.visible);
    EXPECT_EQ(marcador.left, 14400);
    EXPECT_EQ(marcador.top, d(b.img(1).top));
    EXPECT_EQ(marcador.lletra, "Arial Black");
}

TEST(escenari, diagonal_clamps_to_the_screen_and_never_enlarges) {
    banc b(1, 2);
    b.s.n_joysticks = 2;
    auto& g = b.s.graella[1];
    g.x_ini = 10;
    g.y_ini = 20;
    g.x_fi = 5000;
    g.y_fi = 5000;
    b.preparar();
    EXPECT_EQ(g.x_fi, 1280);
    EXPECT_EQ(g.y_fi, 960);
    EXPECT_EQ(d(b.img(1).left), 150);
    EXPECT_EQ(d(b.img(1).top), 300);
    EXPECT_EQ(d(b.img(1).width), 1500); // 100 pixels, k = 1
    EXPECT_EQ(d(b.img(2).left), 150 + 1650);
    EXPECT_EQ(d(b.img(2).top), 300 + 825);
}

TEST(escenari, row_arrangement_puts_player_1_above_the_others) {
    banc b(4, 4);
    b.s.n_joysticks = 4;
    b.preparar();
    const element& u = b.img(1);
    EXPECT_NEAR(d(u.left) + d(u.width) / 2.0, 19200 / 2.0, 1); // centred
    EXPECT_NEAR(d(b.img(2).top), d(u.top) + d(u.height) * 1.1, 1);
    EXPECT_EQ(d(b.img(3).top), d(b.img(2).top));
    EXPECT_NEAR(d(b.img(4).left), d(b.img(3).left) + d(b.img(3).width) * 1.1, 1);

    banc sol(4, 1);
    sol.s.n_joysticks = 1;
    sol.preparar();
    EXPECT_TRUE(sol.img(1).visible);
    EXPECT_NEAR(d(sol.img(1).left) + d(sol.img(1).width) / 2.0, 19200 / 2.0, 1);
}

TEST(escenari, background_is_set_whatever_the_kind_and_bad_media_are_skipped) {
    banc b(9, 0);
    b.s.graella[1].nom = "/p/fons.jpg";
    b.fitxers.posar("/p/fons.jpg", "JPEG");
    b.preparar();
    EXPECT_EQ(b.esc.imatge_fons(), "/p/fons.jpg");
    EXPECT_EQ(b.esc.index_maxim("imatge"), 0);

    banc curt(2, 1); // a media list shorter than the board
    curt.s.n_botons = 3;
    curt.s.n_columnes = 3;
    curt.s.graella[1].fitxers[1].cami = "/p/missing.gif";
    curt.preparar();
    EXPECT_EQ(curt.img(1).imatge, "");
    EXPECT_TRUE(curt.img(3).visible);
}

// The bundled scenarios as the stage lays them out: the default one gives
// every cell of the keyboard pad's 32-cell board a picture of its own, and in
// the bundled race both players' tokens need the same number of steps to
// pass the finish, on the usual screens.
TEST(escenari, bundled_scenarios_serve_their_boards) {
    auto carregar = [](banc& b, const std::string& nom, const std::string& cami) {
        b.fitxers.posar(cami, prova::dades_programa(nom));
        graella_carregar(b.s, b.fitxers, cami);
    };
    {
        banc b(2, 0);
        b.s.carpeta_programa = "/p";
        for (const char* nom : {"boto_apagat", "boto_premut", "casella_02"}) {
            b.fitxers.posar(std::string("/p/imatge/") + nom + ".png", "PNG");
        }
        carregar(b, "graella.esc", "/p/graella.esc");
        ASSERT_GE(b.s.graella[1].fitxers.superior(), 32);
        for (int j = 2; j <= 32; ++j) {
            EXPECT_NE(b.s.graella[1].fitxers[j].cami.find("casella_"), std::string::npos) << j;
        }
        // Cell 1 waits with the released picture, never with the pressed one.
        b.s.graella_fitxer = "/p/graella.esc";
        b.s.n_botons = 2;
        b.s.n_columnes = 2;
        b.preparar();
        escenari_complementar(b.s, b.fitxers, b.eines.pantalla_actual, b.esc);
        EXPECT_EQ(b.img(1).imatge, "/p/imatge/boto_apagat.png");
        EXPECT_EQ(b.img(2).imatge, "/p/imatge/casella_02.png");
    }
    for (const auto& [amplada, alcada] : {std::pair{1280L, 800L}, {1024L, 768L}, {1920L, 1080L}}) {
        banc b(1, 0);
        b.s.n_joysticks = 2;
        b.s.carpeta_exercici = "/e/";
        b.fitxers.posar("/e/imatge/meta.png", "PNG");
        carregar(b, "exercicis/18_cursa/cursa.esc", "/e/cursa.esc");
        b.eines.pantalla_actual = {amplada * 15, alcada * 15, 15.0, 15.0};
        b.preparar();
        const auto& g = b.s.graella[1];
        auto passos = [&](int j) {
            return std::floor((g.x_fi * 15.0 - d(b.img(j).left)) / (g.pas_x * 15.0)) + 1;
        };
        EXPECT_EQ(passos(1), passos(2)) << amplada;
        // The finish line stands where a token's left edge ends the race.
        escenari_complementar(b.s, b.fitxers, b.eines.pantalla_actual, b.esc);
        ASSERT_TRUE(b.esc.existeix("imatge", imatge_meta)) << amplada;
        EXPECT_EQ(b.img(imatge_meta).left, g.x_fi * 15L) << amplada;
        EXPECT_TRUE(b.img(imatge_meta).visible);
        EXPECT_EQ(b.img(imatge_meta).imatge, "/e/imatge/meta.png");
    }
}

} // namespace
} // namespace quorvel
