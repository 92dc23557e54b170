#include "board/configuracio_menus.h"
#include "board/configurar_boto.h"

#include "tests/board/banc_configuracio.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

using fakes::banc_configuracio;

bool mostrat(const banc_configuracio& b, const std::string& text) {
    return std::any_of(b.f.eines.missatges.begin(), b.f.eines.missatges.end(),
                       [&](const auto& m) { return m.text == text; });
}

// Button 4 is held all along, so every set-up ends by itself: the board walk
// saves the map, the check passes the pad, cell 2 takes the button. On the
// third tick the operator chooses another set-up; it must not start, and the
// running one must end as it would have alone.
TEST(configuracio_menus, one_set_up_runs_at_a_time) {
    const std::map<std::string, std::function<bool(const banc_configuracio&)>> acabat{
        {"mn_configurar",
         [](const auto& b) { return b.f.fitxers.contingut("/p/kk.map").has_value(); }},
        {"mn_joystic",
         [](const auto& b) { return mostrat(b, "Fi") && b.s.joysticks[1].ajust == "0"; }},
        {"mn_configura_boto", [](const auto& b) { return mostrat(b, "final configurar_boto "); }},
    };
    const std::pair<const char*, const char*> casos[] = {
        {"mn_configurar", "mn_joystic"},     {"mn_configurar", "mn_configura_boto"},
        {"mn_configurar", "mn_simular"},     {"mn_joystic", "mn_configurar"},
        {"mn_joystic", "mn_configura_boto"}, {"mn_joystic", "mn_simular"},
        {"mn_configura_boto", "mn_joystic"}, {"mn_configura_boto", "mn_configura_boto"},
        {"mn_configura_boto", "mn_simular"},
    };
    for (const auto& [en_curs, intent] : casos) {
        SCOPED_TRACE(std::string(en_curs) + " then " + intent);
        banc_configuracio b(3);
        b.mapejar_botons(3);
        if (en_curs == std::string("mn_configura_boto")) {
            casella_seleccionar(b.s, b.form1, 2);
        }
        b.pad.mantenir(8U);
        b.f.eines.respostes_demanar = {"1", "1"};
        b.durant_tick = [&b, intent = intent] {
            if (b.ticks == 3) {
                b.form1.clic(intent);
            } else if (b.ticks > 2000) { // a wait that would never end
                b.form1.posar_valor("mn_configurar", {}, 0);
                b.form1.posar_valor("mn_joystic", {}, 0);
            }
        };
        b.form1.clic(en_curs);
        EXPECT_LE(b.ticks, 2000);
        EXPECT_TRUE(acabat.at(en_curs)(b));
        EXPECT_EQ(b.s.n_botons, 3);
        EXPECT_EQ(b.f.eines.respostes_demanar.size(), 2u);
        EXPECT_EQ(b.form1.obtenir("mn_configurar").valor + b.form1.obtenir("mn_joystic").valor, 0);
    }
}

} // namespace
} // namespace quorvel
