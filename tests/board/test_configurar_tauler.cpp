#include "board/configurar_boto.h"
#include "board/configurar_tauler.h"
#include "core/linia_estat.h"

#include "tests/board/banc_configuracio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace quorvel {
namespace {

struct tauler : fakes::banc_configuracio {
    using banc_configuracio::banc_configuracio;
    long sons(const std::string& nom) const {
        return std::count_if(f.media.ordres.begin(), f.media.ordres.end(), [&](const auto& o) {
            return o.starts_with("play ") && o.find("/" + nom + " ") != std::string::npos;
        });
    }
};

TEST(configurar_tauler, three_buttons_held_in_turn_fill_the_map_and_save_it) {
    tauler t(3);
    t.pad.guio = {{0.05, 1.05, 1U}, {1.5, 2.55, 2U}, {3.05, 4.05, 4U}};
    std::set<std::string> estats;
    t.durant_tick = [&] { estats.insert(linia_estat(t.form1)); };
    t.form1.clic("mn_configurar");
    EXPECT_EQ(estats, std::set<std::string>{"Premeu un bot\xF3 per a la casella groga"});
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(t.cel(k), std::make_pair(1, 4 + k));
        EXPECT_EQ(t.fons(k), color_verd) << k;
    }
    EXPECT_EQ(t.sons("ok.wav"), 3);
    EXPECT_EQ(t.s.mapa_fitxer, "kk.map");
    EXPECT_EQ(t.f.fitxers.contingut("/p/kk.map"),
              "\"mapa01\"\r\n\" 1= 1, 5\"\r\n\" 2= 1, 6\"\r\n\" 3= 1, 7\"\r\n");
    EXPECT_EQ(t.form1.obtenir("mn_configurar").valor, 0);
    EXPECT_EQ(linia_estat(t.form1), "Mapa desat a /p/kk.map");
}

TEST(configurar_tauler, a_button_already_given_only_counts_its_own_cell) {
    tauler t(2);
    t.s.mapa_fitxer = "sala.map";
    t.pad.guio = {{0.05, 1.5, 1U}, {2.0, 3.0, 1U}};
    t.form1.clic("mn_configurar");
    EXPECT_GT(std::stod(t.text(1)), 10.0);
    EXPECT_EQ(t.cel(2), std::make_pair(0, 0));
    EXPECT_EQ(t.fons(2), color_vermell);
    EXPECT_EQ(t.sons("no_ok.wav"), 1);
    EXPECT_NEAR(t.f.rellotge.ara - t.pad.t0, 12.0, 1.0);
    EXPECT_EQ(t.f.fitxers.contingut("/p/sala.map"),
              "\"mapa01\"\r\n\" 1= 1, 5\"\r\n\" 2= 0, 0\"\r\n");
}

// The counter lives in the board model: a text written on the console's cell
// is shown, never read back as presses.
TEST(configurar_tauler, a_text_written_on_the_console_cell_counts_no_press) {
    tauler t(1);
    t.pad.guio = {{60.0, 61.0, 1U}};
    t.durant_tick = [&] { t.form1.posar_text("Check2", 1, "10"); };
    t.form1.clic("mn_configurar");
    EXPECT_EQ(t.sons("ok.wav"), 0);
    EXPECT_EQ(t.sons("no_ok.wav"), 1);
    EXPECT_NEAR(t.f.rellotge.ara - t.pad.t0, configurar_limit_segons, 1.0);
}

TEST(configurar_tauler, a_switched_off_cell_is_skipped_and_the_next_taken_as_it_is) {
    tauler t(4);
    t.s.mapa_botons[2] = t.s.mapa_botons[3] = {-2, -2};
    t.pad.guio = {{0.05, 1.05, 1U}, {1.5, 2.55, 2U}, {3.05, 4.05, 4U}};
    t.form1.clic("mn_configurar");
    EXPECT_EQ(t.cel(2), std::make_pair(-2, -2));
    EXPECT_EQ(t.cel(3), std::make_pair(1, 6));
    EXPECT_EQ(t.cel(4), std::make_pair(1, 7));
}

// The operator cancels while cell 2 is lit, in the board walk and in a single
// cell's set-up: the map, the cells' texts and colours, the exercise type and
// the status line are as they were, so "engegar" plays the exercise again.
TEST(configurar_tauler, a_cancelled_set_up_leaves_everything_as_it_was) {
    for (const char* menu : {"mn_configurar", "mn_configura_boto"}) {
        SCOPED_TRACE(menu);
        tauler t(3);
        t.mapejar_botons(3);
        t.s.mapa_botons[3] = {-2, -2};
        t.s.tipus = tipus_de_text("5");
        t.s.caselles.posar_color(t.form1, 3, color_gris);
        casella_seleccionar(t.s, t.form1, 2);
        posar_linia_estat(t.form1, "Exercici obert: troba.brd");
        const auto entrades = t.s.mapa_entrades;
        t.pad.guio = {{0.05, 1.05, 4U}};
        bool fet = false;
        t.durant_tick = [&] {
            if (!fet && t.s.casella_configurant == 2) {
                fet = true;
                t.form1.clic("mn_configurar");
            }
        };
        t.form1.clic(menu);
        EXPECT_TRUE(fet);
        EXPECT_EQ(t.cel(1), std::make_pair(1, 5));
        EXPECT_EQ(t.cel(2), std::make_pair(1, 6));
        EXPECT_EQ(t.cel(3), std::make_pair(-2, -2));
        EXPECT_EQ(t.s.mapa_entrades(1, 8), entrades(1, 8));
        EXPECT_EQ(t.s.mapa_entrades(1, 5), 1);
        EXPECT_EQ(t.fons(1), std::nullopt);
        EXPECT_EQ(t.fons(2), std::nullopt);
        EXPECT_EQ(t.fons(3), color_gris);
        EXPECT_EQ(t.text(2), "*"); // still selected
        EXPECT_EQ(t.s.tipus.text, "5");
        EXPECT_EQ(linia_estat(t.form1), "Exercici obert: troba.brd");
        EXPECT_FALSE(t.form1.obtenir("t_configurar").habilitat);
        EXPECT_FALSE(t.f.fitxers.contingut("/p/kk.map").has_value());
    }
}

// A walk whose lit cell is erased under it is disarmed: nothing is saved and
// no later press goes to the cell it named.
TEST(configurar_tauler, a_walk_whose_lit_cell_is_erased_saves_nothing) {
    tauler t(2);
    t.pad.guio = {{0.05, 1.05, 1U}};
    bool fet = false;
    t.durant_tick = [&] {
        if (!fet && t.s.casella_configurant == 2) {
            fet = true;
            casella_seleccionar(t.s, t.form1, 2); // lit is not selected: it is clicked
            t.form1.clic("mn_boto", 1);
        }
    };
    t.form1.clic("mn_configurar");
    EXPECT_TRUE(fet);
    EXPECT_FALSE(t.f.fitxers.contingut("/p/kk.map").has_value());
    EXPECT_EQ(t.form1.obtenir("mn_configurar").valor, 0);
    EXPECT_FALSE(t.form1.obtenir("t_configurar").habilitat);
    EXPECT_NE(linia_estat(t.form1), "Premeu un bot\xF3 per a la casella groga");
}

// Whether the walk saves: never a map in which no cell took a button, and a
// saved map that differs only after the operator agrees, the old one kept.
TEST(configurar_tauler, the_walk_saves_a_changed_map_only_when_told_to) {
    const std::string antic = "\"mapa01\"\r\n\" 1= 1, 7\"\r\n\" 2= 1, 8\"\r\n";
    const std::string nou = "\"mapa01\"\r\n\" 1= 1, 5\"\r\n\" 2= 0, 0\"\r\n";
    struct cas {
        const char* nom;
        bool premut;
        std::optional<std::string> desat;
        bool resposta;
        std::optional<std::string> esperat, anterior;
        std::size_t preguntes;
    };
    const cas casos[] = {
        {"no press, nothing saved before", false, std::nullopt, true, std::nullopt, std::nullopt,
         0},
        {"no press, a map saved before", false, antic, true, antic, std::nullopt, 0},
        {"first map", true, std::nullopt, true, nou, std::nullopt, 0},
        {"replaced", true, antic, true, nou, antic, 1},
        {"kept", true, antic, false, antic, std::nullopt, 1},
        {"the same map", true, nou, false, nou, std::nullopt, 0},
    };
    for (const cas& c : casos) {
        SCOPED_TRACE(c.nom);
        tauler t(2);
        t.mapejar_botons(2);
        if (c.desat) {
            t.f.fitxers.posar("/p/kk.map", *c.desat);
        }
        if (c.premut) {
            t.pad.guio = {{0.05, 1.05, 1U}};
        }
        t.f.dialegs.respostes_pregunta = {c.resposta};
        t.form1.clic("mn_configurar");
        EXPECT_EQ(t.f.fitxers.contingut("/p/kk.map"), c.esperat);
        EXPECT_EQ(t.f.fitxers.contingut("/p/kk-anterior.map"), c.anterior);
        EXPECT_EQ(t.f.dialegs.preguntes.size(), c.preguntes);
        EXPECT_NE(linia_estat(t.form1), "Premeu un bot\xF3 per a la casella groga");
        if (!c.premut) {
            // The map in force is the one from before the walk.
            EXPECT_EQ(t.cel(2), std::make_pair(1, 6));
            ASSERT_EQ(t.f.eines.missatges.size(), 1u);
            EXPECT_EQ(t.f.eines.missatges[0].text, linia_estat(t.form1));
        }
    }
}

// With no pad to press, or a board of simulated pads, the walk does not start.
TEST(configurar_tauler, without_a_pad_to_press_the_walk_does_not_start) {
    for (const int cas : {0, 1, 2}) {
        SCOPED_TRACE(cas);
        tauler t(2);
        t.mapejar_botons(2);
        if (cas == 0) {
            t.s.n_dispositius = 0;
        } else if (cas == 1) {
            t.pad.dispositius.clear(); // the pad was unplugged
        } else {
            t.s.tauler_simulat = true;
        }
        t.form1.clic("mn_configurar");
        EXPECT_EQ(t.ticks, 0);
        EXPECT_EQ(t.f.eines.missatges.size(), 1u);
        EXPECT_EQ(t.form1.obtenir("mn_configurar").valor, 0);
        EXPECT_EQ(t.cel(1), std::make_pair(1, 5));
        EXPECT_EQ(t.fons(1), std::nullopt);
        EXPECT_FALSE(t.f.fitxers.contingut("/p/kk.map").has_value());
    }
}

// A cell waits its full ten seconds whatever fraction of a second it was lit
// at, also across midnight (a start rounded up once read as a day gone).
TEST(configurar_tauler, a_cell_waits_its_full_time) {
    for (const double inici : {36000.0, 36000.4, 36000.5, 36000.7, 36000.99, 86395.6}) {
        SCOPED_TRACE(inici);
        tauler t(1);
        t.f.rellotge.ara = t.pad.t0 = inici;
        t.form1.clic("mn_configurar");
        EXPECT_EQ(t.fons(1), std::nullopt); // the map from before is shown again
        const double final = t.f.rellotge.ara < inici ? t.f.rellotge.ara + 86400 : t.f.rellotge.ara;
        EXPECT_NEAR(final - inici, configurar_limit_segons, 0.2);
    }
}

} // namespace
} // namespace quorvel
