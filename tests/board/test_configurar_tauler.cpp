#include "board/configurar_tauler.h"
#include "core/linia_estat.h"

#include "tests/board/banc_configuracio.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(configurar_tauler, a_switched_off_cell_is_skipped_and_the_next_taken_as_it_is) {
    tauler t(4);
    t.s.mapa_botons[2] = t.s.mapa_botons[3] = {-2, -2};
    t.pad.guio = {{0.05, 1.05, 1U}, {1.5, 2.55, 2U}, {3.05, 4.05, 4U}};
    t.form1.clic("mn_configurar");
    EXPECT_EQ(t.cel(2), std::make_pair(-2, -2));
    EXPECT_EQ(t.cel(3), std::make_pair(1, 6));
    EXPECT_EQ(t.cel(4), std::make_pair(1, 7));
}

// Cell 1 takes button 1, then the walk is cut short while cell 2 is lit.
// Nothing is saved and what was assigned stays; a walk whose lit cell was
// erased is also disarmed, so no later press goes to the cell it named.
TEST(configurar_tauler, an_abandoned_walk_saves_nothing) {
    struct cas {
        const char* nom;
        int ordre_boto; // -1: the operator unchecks "Configurar mapa"
        bool rellotge_en_marxa;
    };
    const cas casos[] = {
        {"unchecked", -1, true},
        {"lit cell erased", 1, false},
    };
    for (const cas& c : casos) {
        SCOPED_TRACE(c.nom);
        tauler t(2);
        t.pad.guio = {{0.05, 1.05, 1U}};
        bool fet = false;
        t.durant_tick = [&] {
            if (!fet && t.s.mapa_botons[0].joy == 2) {
                fet = true;
                c.ordre_boto < 0 ? t.form1.clic("mn_configurar")
                                 : t.form1.clic("mn_boto", c.ordre_boto);
            }
        };
        t.form1.clic("mn_configurar");
        EXPECT_TRUE(fet);
        EXPECT_FALSE(t.f.fitxers.contingut("/p/kk.map").has_value());
        EXPECT_EQ(t.cel(1), std::make_pair(1, 5));
        EXPECT_EQ(t.form1.obtenir("mn_configurar").valor, 0);
        EXPECT_EQ(t.form1.obtenir("t_configurar").habilitat, c.rellotge_en_marxa);
    }
}

} // namespace
} // namespace quorvel
