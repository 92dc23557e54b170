#include "joystick/joystick.h"

#include "app/sessio.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using fakes::dispositiu_fals;
using fakes::joystick_fals;

// Players 1..n on devices 1..n, with the session as start-up leaves it.
sessio sessio_amb(joystick_fals& js) {
    sessio s;
    joysticks_preparar(s, js);
    joysticks_enumerar(s, js);
    return s;
}

dispositiu_fals pad(int botons, std::uint32_t x = 10000, std::uint32_t y = 10000) {
    dispositiu_fals d;
    d.posicio = {x, y, 0, 0};
    d.botons = botons;
    return d;
}

struct cas_lectura {
    const char* nom;
    posicio_joystick centre;
    posicio_joystick ara;
    bool amb_cursors;
    bool cursors;
    std::string esperat;
    int botons = 12;
    int llindar = 0; // 0: the one start-up sets
};

TEST(joystick_llegir, builds_the_state_text) {
    const posicio_joystick c{10000, 10000, 0, 0};
    const std::vector<cas_lectura> casos = {
        {"rest", c, c, true, false, ""},
        {"down_buttons_1_3", c, {10000, 20000, 0, 0b101}, true, false, "R#01#03#"},
        {"button_12", c, {10000, 10000, 0, 1U << 11U}, true, false, "#12#"},
        {"right", c, {20000, 10000, 0, 0}, true, false, "D"},
        {"up_left", c, {0, 0, 0, 0}, false, true, "EA"},
        {"on_upper_limit", c, {13000, 13000, 0, 0}, true, false, ""},
        {"past_upper_limit", c, {13001, 13001, 0, 0}, true, false, "DR"},
        {"on_lower_limit", c, {7000, 7000, 0, 0}, true, false, ""},
        {"past_lower_limit", c, {6999, 6999, 0, 0}, true, false, "EA"},
        {"buttons_1_2_10", c, {10000, 10000, 0, 0b10'0000'0011}, true, false, "#01#02#10#"},
        {"no_cursors", c, {20000, 0, 0, 0b1}, false, false, "#01#"},
        {"centre_zero_moved", {0, 0, 0, 0}, {1, 1, 0, 0}, true, false, "DR"},
        {"centre_zero_at_rest", {0, 0, 0, 0}, {0, 0, 0, 0}, true, false, ""},
        {"all_32_buttons",
         c,
         {10000, 10000, 0, 0xFFFF'FFFFU},
         true,
         false,
         "#01#02#03#04#05#06#07#08#09#10#11#12#13#14#15#16#17#18#19#20#21#22#23#24#25#26#27#28#"
         "29#30#31#32#",
         32},
        {"wide_dead_zone_short_push", c, {14000, 10000, 0, 0}, false, true, "", 2, 5},
        {"wide_dead_zone_long_push", c, {15001, 10000, 0, 0}, false, true, "D", 2, 5},
    };
    for (const auto& cas : casos) {
        SCOPED_TRACE(cas.nom);
        joystick_fals js;
        js.dispositius = {pad(cas.botons, cas.centre.x, cas.centre.y)};
        sessio s = sessio_amb(js);
        if (cas.llindar != 0) {
            s.joysticks[1].llindar = static_cast<std::int16_t>(cas.llindar);
        }
        s.joysticks[1].amb_cursors = cas.amb_cursors ? -1 : 0;
        s.cursors = cas.cursors;
        js.dispositius[0].posicio = cas.ara;
        EXPECT_EQ(joystick_llegir(s, js, 1), cas.esperat);
    }
}

TEST(joystick_llegir, device_beyond_the_driver_count_is_not_read) {
    joystick_fals js;
    js.dispositius = {pad(4), pad(4)};
    sessio s = sessio_amb(js);
    js.dispositius[1].posicio.botons = 1;
    s.n_dispositius = 1;
    const int abans = js.lectures;
    EXPECT_EQ(joystick_llegir(s, js, 2), "");
    EXPECT_EQ(js.lectures, abans);
    EXPECT_EQ(joystick_llegir(s, js, 1), "");
    EXPECT_EQ(js.lectures, abans + 1);
}

TEST(joystick_llegir, failed_read_or_no_such_player_gives_empty_text) {
    joystick_fals js;
    js.dispositius = {pad(4)};
    sessio s = sessio_amb(js);
    js.dispositius[0].posicio.botons = 1;
    EXPECT_EQ(joystick_llegir(s, js, 1), "#01#");
    js.dispositius[0].estat_lectura = 167;
    EXPECT_EQ(joystick_llegir(s, js, 1), "");
    for (const int j : {0, -1, 2, 40000}) {
        EXPECT_EQ(joystick_llegir(s, js, j), "") << j;
    }
    // A count that runs ahead of the table must not reach past it.
    s.n_joysticks = 3;
    EXPECT_EQ(joystick_llegir(s, js, 3), "");
}

TEST(joystick_detectar, fills_record_0_only_when_the_device_answers) {
    joystick_fals js;
    js.dispositius = {pad(4, 123, 456), pad(4)};
    js.dispositius[1].estat_lectura = 167;
    sessio s;
    joysticks_preparar(s, js);
    EXPECT_FALSE(joystick_detectar(s, js, 2));
    EXPECT_EQ(s.n_joysticks, 0);
    EXPECT_EQ(s.joysticks[0].dispositiu, 0);
    EXPECT_TRUE(joystick_detectar(s, js, 1));
    EXPECT_EQ(s.n_joysticks, 1);
    EXPECT_EQ(s.joysticks[0].dispositiu, 1);
    EXPECT_EQ(s.joysticks[0].llindar, 3);
    EXPECT_EQ(s.joysticks[0].centre, (posicio_joystick{123, 456, 0, 0}));
    EXPECT_EQ(s.joysticks.superior(), 0);
}

struct cas_enumeracio {
    std::int16_t num_butons;
    std::vector<int> botons;
    std::int16_t n_botons;
    std::int16_t n_botons_total;
};

TEST(joysticks_enumerar, counts_buttons_by_setting) {
    const std::vector<cas_enumeracio> casos = {
        {4, {10}, 4, 10},     {0, {10}, 10, 10},    {12, {10}, 10, 10},
        {0, {6, 10}, 16, 16}, {8, {6, 10}, 14, 16}, {0, {}, 0, 0},
    };
    for (const auto& cas : casos) {
        SCOPED_TRACE(::testing::Message() << "num_butons " << cas.num_butons);
        joystick_fals js;
        for (const int b : cas.botons) {
            js.dispositius.push_back(pad(b));
        }
        sessio s;
        s.num_butons = cas.num_butons;
        joysticks_preparar(s, js);
        joysticks_enumerar(s, js);
        EXPECT_EQ(s.n_joysticks, static_cast<int>(cas.botons.size()));
        EXPECT_EQ(s.joysticks.superior(), s.n_joysticks);
        EXPECT_EQ(s.n_botons, cas.n_botons);
        EXPECT_EQ(s.n_botons_total, cas.n_botons_total);
    }
}

TEST(joysticks_enumerar, skips_silent_devices_and_keeps_those_without_capabilities) {
    joystick_fals js;
    js.dispositius = {pad(6), pad(8), pad(10, 500, 600)};
    js.dispositius[0].estat_lectura = 167;
    js.dispositius[1].estat_capacitats = 165;
    sessio s = sessio_amb(js);
    ASSERT_EQ(s.n_joysticks, 2);
    EXPECT_EQ(s.joysticks[1].dispositiu, 2);
    EXPECT_EQ(s.joysticks[1].botons_dispositiu, 0);
    EXPECT_EQ(s.joysticks[1].botons_usats, 0);
    EXPECT_EQ(s.joysticks[2].dispositiu, 3);
    EXPECT_EQ(s.joysticks[2].botons_dispositiu, 10);
    EXPECT_EQ(s.joysticks[2].centre.y, 600U);
    EXPECT_EQ(s.joysticks[2].llindar, 3);
    EXPECT_EQ(s.joysticks[0].botons_dispositiu, 0);
    EXPECT_EQ(s.n_botons, 10);
    EXPECT_EQ(s.n_botons_total, 10);
}

TEST(joysticks_enumerar, absurd_driver_counts_do_not_wrap) {
    joystick_fals js;
    js.dispositius = {pad(30000), pad(30000), pad(-5)};
    sessio s = sessio_amb(js);
    EXPECT_EQ(s.joysticks[3].botons_dispositiu, 0);
    EXPECT_EQ(s.n_botons_total, 32767);
    EXPECT_EQ(s.n_botons, 32767);
}

} // namespace
} // namespace quorvel
