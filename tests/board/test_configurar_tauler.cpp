#include "board/configurar_tauler.h"

#include "tests/joystick/banc_configuracio.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    t.form1.clic("mn_configurar");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(t.cel(k), std::make_pair(1, 4 + k));
        EXPECT_EQ(t.fons(k), color_verd) << k;
    }
    EXPECT_EQ(t.sons("ok.wav"), 3);
    EXPECT_EQ(t.s.mapa_fitxer, "kk.map");
    EXPECT_TRUE(t.f.fitxers.contingut("/p/kk.map").has_value());
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
    EXPECT_TRUE(t.f.fitxers.contingut("/p/sala.map").has_value());
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

} // namespace
} // namespace quorvel
